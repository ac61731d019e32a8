// How the console's own pixels (the back buffer, the skin's coordinates, hit
// testing) map onto the window: one scale, the windowed zoom or, in full screen,
// the fit of the console to the screen's height. A scale that lands on whole
// device pixels draws sharp (nearest neighbour), any other smooth.
#pragma once

#include <QBitmap>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

#include "display/window_placement.h"

namespace vx {

struct ConsoleView {
  double scale = 1;

  static ConsoleView zoom(int percent) { return {valid_zoom(percent) / 100.0}; }
  // Full screen fitted: the console's height fills the screen's.
  static ConsoleView fit(int screen_height, int game_height);

  bool identity() const { return scale == 1; }
  // The window that shows a console canvas of `size` (rounded to whole pixels).
  QSize to_window(QSize size) const;
  // The canvas that covers a window of `size`.
  QSize to_console(QSize size) const;
  // The window's pixels that show the canvas's `rect` (every one it touches,
  // one more around when drawn smooth).
  QRect to_window(const QRect& rect, double device_ratio) const;
  QRegion to_window(const QRegion& region, double device_ratio) const;
  // Where a widget laid over the canvas at `rect` goes on the window.
  QRect place(const QRect& rect) const;
  // The canvas pixel under a point of the window (the one the window pixel
  // holding the point shows).
  QPoint to_console(QPointF window) const;
  // Whether the canvas lands on whole device pixels: drawn nearest neighbour.
  bool sharp(double device_ratio) const;
  // A window shape for a canvas shape (bit 1 cuts the pixel away) of `window` size.
  QBitmap window_mask(const QImage& console_shape, QSize window) const;
};

}  // namespace vx
