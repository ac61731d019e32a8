#include "display/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace vx {

int valid_zoom(int percent) {
  return std::find(kZoomLevels.begin(), kZoomLevels.end(), percent) != kZoomLevels.end() ? percent : kZoomLevels[0];
}

int step_zoom(int percent, int step) {
  const auto at = std::find(kZoomLevels.begin(), kZoomLevels.end(), valid_zoom(percent)) - kZoomLevels.begin();
  const auto next = std::clamp<long>(at + step, 0, static_cast<long>(kZoomLevels.size()) - 1);
  return kZoomLevels[static_cast<std::size_t>(next)];
}

WindowSize zoomed(WindowSize console, int percent) {
  // Half a pixel rounds up, as std::lround does for the view's scale.
  const auto along = [&](int v) { return static_cast<int>((std::int64_t{v} * percent + 50) / 100); };
  return {along(console.width), along(console.height)};
}

int zoom_that_fits(int wanted, WindowSize console, ScreenArea area) {
  int fits = kZoomLevels[0];
  for (int level : kZoomLevels) {
    if (level > valid_zoom(wanted)) break;
    const WindowSize w = zoomed(console, level);
    if (w.width <= area.width && w.height <= area.height) fits = level;
  }
  return fits;
}

WindowPoint around_centre(WindowPoint centre, WindowSize window) {
  return {centre.x - window.width / 2, centre.y - window.height / 2};
}

WindowPoint keep_inside(WindowPoint top_left, WindowSize window, ScreenArea area) {
  const auto along = [](int at, int size, int start, int room) {
    const std::int64_t last = std::int64_t{start} + room - size;  // the last start that keeps it inside
    if (last < start) return start;
    return static_cast<int>(std::clamp<std::int64_t>(at, start, last));
  };
  return {along(top_left.x, window.width, area.left, area.width),
          along(top_left.y, window.height, area.top, area.height)};
}

}  // namespace vx
