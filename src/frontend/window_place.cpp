#include "frontend/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vx {

void centre_on_screen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QSize s = screen->geometry().size();
  const QSize w = window.frameGeometry().size();
  window.move(std::max(0, (s.width() - w.width()) / 2), std::max(0, (s.height() - w.height()) / 2));
}

}  // namespace vx
