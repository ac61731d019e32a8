#include "display/skin_view.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "skin/skin_description.h"

namespace vx {

SkinView windowed_view(const ConsoleWindowLook& look, int zoom_shown) {
  const QSize canvas(look.client_width, look.client_height);
  SkinView v{ConsoleView::zoom(zoom_shown), {}, zoom_shown};
  v.window = v.view.to_window(canvas);
  if (std::string limit; !canvas_allowed(v.window.width(), v.window.height(), limit)) {
    v.view = {};
    v.window = canvas;
  }
  return v;
}

SkinView load_skin_view(SkinLoadRequest request, SpriteBoard& board, ConsoleWindowLook& look, int zoom, bool fit,
                        ScreenArea available) {
  const auto fits = [&] { return zoom_that_fits(zoom, {look.game_width, look.game_height}, available); };
  if (!request.FullscreenMode) {
    gfxinit(request, board, look);
    return windowed_view(look, fits());
  }
  const QSize screen(request.screen_width, request.screen_height);
  if (!fit) {
    gfxinit(request, board, look);
    return {ConsoleView{}, QSize(look.client_width, look.client_height), fits()};
  }
  SkinView v{{}, screen, 0};
  for (int pass = 0; pass < 2; ++pass) {
    const int game_height = look.game_height;
    v.view = ConsoleView::fit(screen.height(), game_height);
    QSize canvas = v.view.to_console(screen);
    // A console much taller than the screen would need a canvas beyond the
    // limits: it is shown at its own size instead.
    if (std::string limit; !canvas_allowed(canvas.width(), canvas.height(), limit)) {
      v.view = {};
      canvas = screen;
    }
    request.screen_width = canvas.width();
    request.screen_height = canvas.height();
    gfxinit(request, board, look);
    if (look.game_height == game_height) break;
  }
  return v;
}

QSize screen_size_of(const QWidget& window) {
  const QScreen* s = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  return s ? s->size() : QSize(1024, 768);
}

ScreenArea available_area_of(const QWidget& window) {
  const QScreen* s = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  const QRect a = s ? s->availableGeometry() : QRect(QPoint(0, 0), screen_size_of(window));
  return {a.x(), a.y(), a.width(), a.height()};
}

void place_on_view(QWidget& widget, const ConsoleView& view) {
  if (view.identity()) return;
  widget.setGeometry(view.place(widget.geometry()));
  QFont font = widget.font();
  if (font.pixelSize() > 0) font.setPixelSize(static_cast<int>(font.pixelSize() * view.scale + 0.5));
  widget.setFont(font);
}

}  // namespace vx
