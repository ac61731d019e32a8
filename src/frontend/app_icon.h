// The program's icon, drawn by our own code from one table of shapes on a
// 256-unit square: the console's case, its dark screen with glowing cells (two
// enemies, a shot, the ship) and the red fire button. The same table gives the
// window icon, the installed PNG icons and the scalable SVG icon.
#pragma once

#include <QIcon>
#include <QImage>
#include <string>

namespace vx {

// The icon at `size` x `size` pixels, transparent around the case.
QImage draw_app_icon(int size);
// The icon as an SVG document.
std::string app_icon_svg();
// The window icon: the picture at the sizes desktops ask for.
QIcon app_icon();

}  // namespace vx
