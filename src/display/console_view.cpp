#include "display/console_view.h"

#include <algorithm>
#include <cmath>

namespace vx {

ConsoleView ConsoleView::fit(int screen_height, int game_height) {
  if (screen_height <= 0 || game_height <= 0) return {};
  return {static_cast<double>(screen_height) / game_height};
}

QSize ConsoleView::to_window(QSize size) const {
  return {static_cast<int>(std::lround(size.width() * scale)), static_cast<int>(std::lround(size.height() * scale))};
}

QSize ConsoleView::to_console(QSize size) const {
  return {static_cast<int>(std::ceil(size.width() / scale)), static_cast<int>(std::ceil(size.height() / scale))};
}

bool ConsoleView::sharp(double device_ratio) const {
  const double device_scale = scale * device_ratio;
  return std::abs(device_scale - std::round(device_scale)) < 1e-6;
}

QRect ConsoleView::to_window(const QRect& rect, double device_ratio) const {
  if (identity()) return rect;
  // Smooth drawing blends each canvas pixel into its neighbours' half a pixel on.
  const int margin = sharp(device_ratio) ? 0 : static_cast<int>(std::ceil(scale / 2)) + 1;
  const int left = static_cast<int>(std::floor(rect.left() * scale)) - margin;
  const int top = static_cast<int>(std::floor(rect.top() * scale)) - margin;
  const int right = static_cast<int>(std::ceil((rect.right() + 1) * scale)) + margin;
  const int bottom = static_cast<int>(std::ceil((rect.bottom() + 1) * scale)) + margin;
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRegion ConsoleView::to_window(const QRegion& region, double device_ratio) const {
  if (identity()) return region;
  QRegion out;
  for (const QRect& r : region) out += to_window(r, device_ratio);
  return out;
}

QRect ConsoleView::place(const QRect& rect) const {
  const auto at = [&](int v) { return static_cast<int>(std::lround(v * scale)); };
  return QRect(QPoint(at(rect.left()), at(rect.top())), QPoint(at(rect.right() + 1) - 1, at(rect.bottom() + 1) - 1));
}

QPoint ConsoleView::to_console(QPointF window) const {
  // The canvas pixel under the centre of the window pixel holding the point, as
  // the drawing and the window's shape take it.
  const auto along = [&](double p) { return static_cast<int>(std::floor((std::floor(p) + 0.5) / scale)); };
  return {along(window.x()), along(window.y())};
}

QBitmap ConsoleView::window_mask(const QImage& console_shape, QSize window) const {
  if (identity() || console_shape.size() == window) return QBitmap::fromImage(console_shape);
  // Each window pixel takes the canvas pixel under its centre.
  QImage out(window, QImage::Format_MonoLSB);
  out.setColorTable(console_shape.colorTable());
  out.fill(0);
  std::vector<int> source_x(static_cast<std::size_t>(window.width()));
  for (int x = 0; x < window.width(); ++x)
    source_x[static_cast<std::size_t>(x)] =
        std::min(console_shape.width() - 1, static_cast<int>(std::floor((x + 0.5) / scale)));
  for (int y = 0; y < window.height(); ++y) {
    const int sy = std::min(console_shape.height() - 1, static_cast<int>(std::floor((y + 0.5) / scale)));
    const uchar* from = console_shape.constScanLine(sy);
    uchar* to = out.scanLine(y);
    for (int x = 0; x < window.width(); ++x) {
      const int sx = source_x[static_cast<std::size_t>(x)];
      if (from[sx >> 3] >> (sx & 7) & 1) to[x >> 3] |= static_cast<uchar>(1u << (x & 7));
    }
  }
  return QBitmap::fromImage(out);
}

}  // namespace vx
