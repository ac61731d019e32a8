// How the vacuum-fluorescent screen glows: the lit segment pictures (phosphor core,
// halo and the fine grid mesh in front of it) and the two screen backgrounds, dark
// glass when the console is off and the lit background with the faint ghosts of
// every unlit segment when it is on. A colour filter over some rows gives them a
// second phosphor colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

#include "screen_layout.h"
#include "skin/elements.h"

namespace vx::assets {

struct Phosphor {
  QColor core;  // the lit segment
  QColor glow;  // its halo
};

struct DisplayStyle {
  Phosphor main, filtered;
  int filtered_from_row = 10;  // rows from this one up lie under the filter (10: none)
  bool panel_filtered = false;
  QColor glass;       // the unpowered screen
  QColor unlit;       // an unpowered segment seen through the glass
  QColor filter_gel;  // the filter strip as it looks when unpowered
  int mesh = 6;       // period of the grid mesh in pixels
};

bool element_filtered(ElementId id, const DisplayStyle& style);

// A lit segment picture of `box` size; `at` is the box's place in the console
// (the mesh lines up across all cells).
QImage lit_picture(const QPainterPath& shape, QSize box, QPoint at, const Phosphor& phosphor, int mesh);

// The screen window's pictures, of layout.glass size: powered (lit background with
// ghosts) or not (dark glass).
QImage screen_picture(bool powered, const ScreenLayout& layout, const DisplayStyle& style);

}  // namespace vx::assets
