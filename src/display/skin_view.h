// A skin loaded for the console window: the loader gfxinit run for the window's
// mode, and how the canvas is then shown. Windowed: at the chosen zoom or the
// largest level that fits the screen's available area. Full screen: at the
// screen's size, or, fitted, on a canvas that the console's height fills (a skin
// not read before is laid out twice: its height is known once it has been read).
// A window beyond the limits of a console's canvas is shown at the console's size.
#pragma once

#include <QSize>

#include "display/console_view.h"
#include "display/gfxinit.h"

class QWidget;

namespace vx {

struct SkinView {
  ConsoleView view;
  QSize window;        // the window's size
  int zoom_shown = 0;  // the zoom level in effect; 0: unchanged (full screen fitted)
};

// Runs the loader onto `board` and `look`.
SkinView load_skin_view(SkinLoadRequest request, SpriteBoard& board, ConsoleWindowLook& look, int zoom, bool fit,
                        ScreenArea available);
// The windowed view at `zoom_shown` of a loaded skin.
SkinView windowed_view(const ConsoleWindowLook& look, int zoom_shown);
// The screen a window lives on, and the part of it windows may use (without panels).
QSize screen_size_of(const QWidget& window);
ScreenArea available_area_of(const QWidget& window);
// Puts a widget laid over the canvas where the view shows that part (its font scaled too).
void place_on_view(QWidget& widget, const ConsoleView& view);

}  // namespace vx
