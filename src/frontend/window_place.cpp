#include "frontend/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "display/console_window.h"

namespace vx {

void centre_on_screen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QSize s = screen->geometry().size();
  const QSize w = window.frameGeometry().size();
  window.move(centred_position(s.width(), w.width()), centred_position(s.height(), w.height()));
}

}  // namespace vx
