// The mapping between the console's pixels and the window's: zoom levels, and
// repaint areas that cover every window pixel a changed console pixel reaches.
#include "display/console_view.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(ConsoleViewZoom, LevelsStepAndStopAtTheEnds) {
  EXPECT_EQ(valid_zoom(150), 150);
  EXPECT_EQ(valid_zoom(125), 100);
  EXPECT_EQ(valid_zoom(-1), 100);
  EXPECT_EQ(step_zoom(100, +1), 150);
  EXPECT_EQ(step_zoom(150, +1), 200);
  EXPECT_EQ(step_zoom(200, +1), 300);
  EXPECT_EQ(step_zoom(300, +1), 300);
  EXPECT_EQ(step_zoom(300, -1), 200);
  EXPECT_EQ(step_zoom(100, -1), 100);
  EXPECT_EQ(step_zoom(125, +1), 150) << "an unknown level counts as 100";
}

// A changed console pixel reaches the window pixels whose centres lie within
// one console pixel of it when drawn smooth (bilinear), and the one whose centre
// lies on it when drawn sharp. Every such pixel must be repainted.
TEST(ConsoleViewZoom, RepaintAreasCoverEveryWindowPixelAChangeReaches) {
  for (double scale : {1.5, 2.0, 3.0, 1080.0 / 747.0, 0.9}) {
    const ConsoleView view{scale};
    const bool sharp = view.sharp(1);
    for (const QRect changed : {QRect(0, 0, 1, 1), QRect(7, 3, 5, 9), QRect(33, 40, 1, 20)}) {
      const QRect painted = view.to_window(changed, 1);
      for (int wy = 0; wy < 200; ++wy)
        for (int wx = 0; wx < 200; ++wx) {
          const double cx = (wx + 0.5) / scale, cy = (wy + 0.5) / scale;  // the centre, in console pixels
          const double reach = sharp ? 0 : 1;
          const bool reached = cx >= changed.left() - reach && cx < changed.right() + 1 + reach &&
                               cy >= changed.top() - reach && cy < changed.bottom() + 1 + reach;
          if (reached) {
            ASSERT_TRUE(painted.contains(wx, wy)) << scale << ": " << wx << "," << wy;
          }
        }
    }
  }
}

TEST(ConsoleViewZoom, AWindowPixelMapsBackToTheConsolePixelItShows) {
  const ConsoleView view{1.5};
  EXPECT_EQ(view.to_console(QPointF(0, 0)), QPoint(0, 0));
  EXPECT_EQ(view.to_console(QPointF(1.9, 2.2)), QPoint(1, 1));  // window pixel (1, 2): centres 1.0, 1.67
  EXPECT_EQ(view.to_console(QPointF(4, 4)), QPoint(3, 3));      // centre 4.5 / 1.5 = 3
  EXPECT_EQ(view.to_window(QSize(240, 320)), QSize(360, 480));
  EXPECT_EQ(view.to_console(QSize(1920, 1080)), QSize(1280, 720));
  EXPECT_EQ(view.place(QRect(0, 32, 256, 32)), QRect(0, 48, 384, 48));
  EXPECT_TRUE(ConsoleView::fit(0, 747).identity());
  EXPECT_DOUBLE_EQ(ConsoleView::fit(1080, 747).scale, 1080.0 / 747.0);
}

}  // namespace
}  // namespace vx
