// Where the console window goes and how large it may be: the zoom levels, the
// largest level whose window fits the screen's available area, and a place that
// keeps the window wholly on that area where it fits. Toolkit-free: the window
// hands in sizes and rectangles in screen pixels.
#pragma once

#include <array>

namespace vx {

// The windowed sizes in percent, smallest first; the first is the console's own.
inline constexpr std::array<int, 4> kZoomLevels{100, 150, 200, 300};
// A stored zoom that is not one of the levels reads as 100.
int valid_zoom(int percent);
// The next level up (+1) or down (-1), staying at the ends.
int step_zoom(int percent, int step);

struct WindowSize {
  int width = 0, height = 0;
};
struct ScreenArea {
  int left = 0, top = 0, width = 0, height = 0;
};
struct WindowPoint {
  int x = 0, y = 0;
  bool operator==(const WindowPoint&) const = default;
};

// Left = (screen - window) / 2, truncated toward zero, raised to 0 when negative.
constexpr int centred_position(int screen, int window) {
  const int p = (screen - window) / 2;
  return p < 0 ? 0 : p;
}

// The console's window at `percent` (rounded to whole pixels as the view draws it).
WindowSize zoomed(WindowSize console, int percent);
// The largest level up to `wanted` whose window fits `area`; never below the
// first level, which is used even when it does not fit.
int zoom_that_fits(int wanted, WindowSize console, ScreenArea area);
// The top-left corner that puts the window's centre on `centre`.
WindowPoint around_centre(WindowPoint centre, WindowSize window);
// `top_left` moved just far enough for the window to lie wholly inside `area`;
// in a direction where the window is larger than the area it starts at the
// area's edge (left or top). Any stored number is safe here.
WindowPoint keep_inside(WindowPoint top_left, WindowSize window, ScreenArea area);

}  // namespace vx
