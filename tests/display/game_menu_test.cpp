// The in-window game menu of the full-screen console: its rows, checks and gaps,
// and the press-release rules of its entries.
#include "display/game_menu.h"

#include <QAction>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include "display/game_menu_layout.h"
#include "support/desktop_fixture.h"

namespace vx::test {
namespace {

class GameMenu : public DesktopTest {
 protected:
  void click_menu_button() { QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(18, 16)); }
  GameMenuRow* row(int i) { return form->menu().game_menu_rows().at(static_cast<std::size_t>(i - 1)); }
  static void press(QWidget* w) { QTest::mousePress(w, Qt::LeftButton, {}, QPoint(20, 16)); }
  // A release at `at` in the row's coordinates: the row that took the press gets it.
  static void release(QWidget* w, QPoint at) {
    QMouseEvent e(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  void expect_closed() {
    EXPECT_FALSE(form->menu().game_menu_open());
    EXPECT_TRUE(form->menu().game_menu_rows().empty());
    const Sprite& bg = console().board[btn_game_menu_background];
    EXPECT_EQ(bg.width, kGameMenuButtonWidth);
    EXPECT_EQ(bg.height, kGameMenuButtonHeight);
  }
};

TEST_F(GameMenu, TheButtonOpensThirteenRowsWithChecksAndGaps) {
  start_playing(true);
  EXPECT_EQ(pixel_at(10, 10), 0xFFFFFFu);  // the menu icon
  click_menu_button();
  ASSERT_TRUE(form->menu().game_menu_open());
  ASSERT_EQ(form->menu().game_menu_rows().size(), 13u);
  const Sprite& bg = console().board[btn_game_menu_background];
  EXPECT_EQ(bg.width, kGameMenuOpenWidth);
  EXPECT_EQ(bg.height, kGameMenuOpenHeight);
  for (int i = 1; i <= 13; ++i) EXPECT_EQ(row(i)->geometry(), QRect(0, i * 32, 256, 32)) << i;
  EXPECT_EQ(row(2)->text(), "   View 'Readme.txt'");
  EXPECT_EQ(row(9)->text(), "   Display in fullscreen mode [V]");
  EXPECT_EQ(row(10)->text(), "   Display splash screen at startup");  // stored off
  EXPECT_EQ(row(11)->text(), "   Display controller overlays [V]");
  for (int gap : {5, 8, 12}) EXPECT_TRUE(row(gap)->text().isEmpty()) << gap;
  EXPECT_FALSE(row(1)->isEnabled());  // the about box arrives with its form
  EXPECT_TRUE(row(2)->isEnabled());
  // The translucent panel below the title bar.
  const QRgb panel = form->frame().pixel(200, 300);
  EXPECT_LT(qRed(panel) + qGreen(panel) + qBlue(panel), 3 * 0x40);
  click_menu_button();
  expect_closed();
}

TEST_F(GameMenu, AnEntryRunsWhenPressedAndReleasedOnItThenTheMenuCloses) {
  start_playing(true);
  click_menu_button();
  QPointer<GameMenuRow> config = row(6);
  press(config);
  release(config, QPoint(30, 10));
  EXPECT_EQ(opened, std::vector<std::string>{"Config.ini"});
  expect_closed();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(config.isNull());
}

TEST_F(GameMenu, ReleasingOffTheEntryOnlyCloses) {
  start_playing(true);
  click_menu_button();
  press(row(2));
  release(row(2), QPoint(30, 80));  // two rows further down
  EXPECT_TRUE(opened.empty());
  expect_closed();
}

TEST_F(GameMenu, GapsAndOtherButtonsDoNothing) {
  start_playing(true);
  click_menu_button();
  press(row(5));
  release(row(5), QPoint(20, 16));
  EXPECT_TRUE(form->menu().game_menu_open());
  QTest::mouseClick(row(2), Qt::MiddleButton, {}, QPoint(20, 16));
  EXPECT_TRUE(form->menu().game_menu_open());
  EXPECT_TRUE(opened.empty());
}

TEST_F(GameMenu, TheHoveredRowTurnsBlack) {
  start_playing(true);
  click_menu_button();
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(row(3), &enter);
  EXPECT_TRUE(row(3)->highlighted());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(row(3), &leave);
  EXPECT_FALSE(row(3)->highlighted());
}

TEST_F(GameMenu, TheFullScreenEntrySwitchesToWindowedFromItsOwnRow) {
  start_playing(true);
  click_menu_button();
  QPointer<GameMenuRow> fullscreen = row(9);
  press(fullscreen);
  release(fullscreen, QPoint(30, 10));  // the row outlives its own event
  EXPECT_FALSE(form->full_screen());
  EXPECT_EQ(stored("FullscreenMode"), "0");
  expect_closed();
  EXPECT_FALSE(console().board[btn_game_menu_top].visible);
}

TEST_F(GameMenu, F12AndThePopUpMenuCloseIt) {
  start_playing(true);
  click_menu_button();
  form->pm_0_menuPopup();
  expect_closed();
  click_menu_button();
  QTest::keyClick(form.get(), Qt::Key_F12);
  expect_closed();
  EXPECT_FALSE(form->full_screen());
}

TEST_F(GameMenu, KeySettingsOpensItsFormThenTheMenuCloses) {
  start_playing(true);
  bool menu_open_when_shown = false;
  form->menu().set_form_hook(MenuEntry::pm_7_keys, [&] { menu_open_when_shown = form->menu().game_menu_open(); });
  click_menu_button();
  press(row(7));
  release(row(7), QPoint(30, 10));
  EXPECT_TRUE(menu_open_when_shown);
  expect_closed();
}

}  // namespace
}  // namespace vx::test
