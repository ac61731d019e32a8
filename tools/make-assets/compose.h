// Renders a skin folder as the console window would draw it: the skin's pictures
// in their boxes, in the window's drawing order, each state picture just above
// its clickable picture, pictures with alpha blended and pictures without alpha
// in transparent elements keyed by their bottom-left pixel. Used by --compose,
// for the skin previews and by the tests.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_description.h"
#include "skin_file.h"

namespace vx::assets {

enum class ComposeState {
  Off,     // powered off: dark screen, blank panel
  On,      // powered on with every cell lit and 8888 on the panel
  All,     // every element shown with its own picture, overlays included
  Demo,    // a moment of phase 1 in play
  Phase4,  // the shuttle over the ship row with its flame, and the dock
};
std::optional<ComposeState> compose_state_by_name(std::string_view name);

// The window in windowed mode: pixels of the colour key are where it is
// see-through. Problems (missing or broken pictures) are added to `problems`.
// The pictures are decoded through `pictures` when given (which then tells
// whether they passed the skin's limit), else through a set of their own.
QImage compose_window(const SkinFile& skin, ComposeState state, std::vector<std::string>* problems = nullptr,
                      SkinPictures* pictures = nullptr);

// The whole screen in full-screen mode (backdrop, logo, console at its offsets).
QImage compose_fullscreen(const SkinFile& skin, ComposeState state, QSize screen,
                          std::vector<std::string>* problems = nullptr, SkinPictures* pictures = nullptr);

// A copy with every pixel of colour `key` shown as a grey checkerboard.
QImage key_as_checkerboard(const QImage& frame, QColor key);
// A copy with every pixel of colour `key` fully transparent.
QImage key_as_transparent(const QImage& frame, QColor key);

}  // namespace vx::assets
