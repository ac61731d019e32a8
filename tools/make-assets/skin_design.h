// The skins we install: one record per skin with its size, colour key, screen
// lattice, display colours, control boxes and the painters of its case, backdrop
// and logo. The skin writer turns a record into a skin folder.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <string>
#include <vector>

#include "phosphor.h"
#include "screen_layout.h"

namespace vx::assets {

// How the case's controls look in one picture.
struct ControlState {
  enum class Stick { None, Up, Left, Right };  // None: the base without a stick
  bool power_on = false;
  bool select_down = false;
  bool start_down = false;
  bool fire_down = false;
  Stick stick = Stick::Up;
};

// Boxes of the pictured controls in the console area.
struct Controls {
  QRect power, select, start, joystick, fire, overlay_left, overlay_right;
};

struct SkinDesign;
using CasePainter = void (*)(QPainter&, const SkinDesign&, const ControlState&);
using PicturePainter = QImage (*)(const SkinDesign&);

struct SkinDesign {
  int number = 1;    // the skin's number: folder Graphics\SkinN\, section SkinN
  std::string name;  // shown in the launcher's list
  QSize size;        // GameWidth x GameHeight
  QColor key;        // TranspColor: everything outside the case
  ScreenLayout screen;
  DisplayStyle display;
  Controls controls;
  CasePainter paint_case;   // the whole console area; the outline's outside stays `key`
  PicturePainter backdrop;  // the full-screen backdrop (written as JPEG)
  PicturePainter logo;      // the full-screen logo (PNG with alpha)
  int logo_position = 1;    // 0 top-left .. 3 bottom-right
  QColor bg_color;          // full-screen colour around the backdrop
};

const std::vector<SkinDesign>& skin_designs();

// The folder of a skin inside the data folder, as Config.ini writes it ("Graphics\Skin1\").
std::string skin_path(const SkinDesign& skin);

// The two clickable arrows shown instead of the joystick (alpha pictures).
QImage overlay_arrow(QSize box, bool left, QColor accent);

// Painters of the two cases, their backdrops and logos.
void paint_case_tabletop(QPainter& p, const SkinDesign& d, const ControlState& s);
QImage backdrop_tabletop(const SkinDesign& d);
QImage logo_tabletop(const SkinDesign& d);
void paint_case_starliner(QPainter& p, const SkinDesign& d, const ControlState& s);
QImage backdrop_starliner(const SkinDesign& d);
QImage logo_starliner(const SkinDesign& d);

}  // namespace vx::assets
