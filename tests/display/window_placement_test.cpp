// Where the console window goes: the largest zoom level that fits the screen's
// available area, and a place wholly on that area.
#include "display/window_placement.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(WindowPlacement, TheLargestLevelThatFitsIsShownNeverBelow100) {
  struct Case {
    int wanted;
    WindowSize console;
    ScreenArea area;
    int shown;
  };
  const Case cases[] = {
      {300, {528, 747}, {0, 0, 1024, 768}, 100},    // skin 1 on a small screen
      {150, {528, 747}, {0, 0, 1920, 1080}, 100},   // 150 % is 1121 high
      {300, {760, 600}, {0, 0, 1920, 1080}, 150},   // skin 2: 1140 x 900 fits, 1520 x 1200 not
      {200, {760, 600}, {0, 0, 1920, 1200}, 200},   // exactly as high as the area fits
      {200, {760, 600}, {0, 30, 1920, 1170}, 150},  // a panel takes 30 rows
      {100, {760, 600}, {0, 0, 3840, 2160}, 100},   // the choice is the limit
      {300, {760, 600}, {0, 0, 3840, 2160}, 300},
      {300, {2000, 1500}, {0, 0, 1024, 768}, 100},  // larger than the screen at its own size
      {125, {760, 600}, {0, 0, 3840, 2160}, 100},   // not a level
  };
  for (const Case& c : cases)
    EXPECT_EQ(zoom_that_fits(c.wanted, c.console, c.area), c.shown)
        << c.wanted << "% of " << c.console.width << "x" << c.console.height << " on " << c.area.width << "x"
        << c.area.height;
}

TEST(WindowPlacement, AWindowMovesJustFarEnoughToLieWhollyOnTheArea) {
  struct Case {
    WindowPoint at;
    WindowSize window;
    ScreenArea area;
    WindowPoint placed;
  };
  const int huge = 2147483647, tiny = -huge - 1;
  const Case cases[] = {
      {{536, 126}, {528, 747}, {0, 0, 1600, 1000}, {536, 126}},    // on the screen: stays
      {{1300, 600}, {528, 747}, {0, 0, 1600, 1000}, {1072, 253}},  // off the bottom-right corner
      {{-50, -20}, {528, 747}, {0, 0, 1600, 1000}, {0, 0}},        // off the top-left corner
      {{500, 10}, {528, 747}, {0, 30, 1600, 970}, {500, 30}},      // under a panel
      {{200, 100}, {2000, 1500}, {0, 0, 1024, 768}, {0, 0}},       // larger than the screen
      {{huge, tiny}, {528, 747}, {0, 0, 1024, 768}, {496, 0}},     // a stored place from anywhere
      {{tiny, huge}, {528, 747}, {100, 50, 1024, 768}, {100, 71}},
  };
  for (const Case& c : cases) EXPECT_EQ(keep_inside(c.at, c.window, c.area), c.placed) << c.at.x << "," << c.at.y;
}

TEST(WindowPlacement, ZoomingKeepsTheCentreAndRoundsAsTheViewDraws) {
  EXPECT_EQ(zoomed({528, 747}, 150).height, 1121);  // 1120.5 rounds up
  EXPECT_EQ(zoomed({760, 600}, 300).width, 2280);
  const WindowSize at150 = zoomed({760, 600}, 150);
  EXPECT_EQ(around_centre({960, 540}, at150), (WindowPoint{390, 90}));
}

}  // namespace
}  // namespace vx
