// The console window's additions, on the test installation: zoom (size, shape,
// clicks, sharp or smooth drawing, shortcuts, kept between runs), full screen
// fitted to the screen's height, the pause while the window is inactive, pads
// only while it is active, and a script played on the window's console.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <fstream>
#include <iterator>

#include "app/script_player.h"
#include "display/game_menu.h"
#include "support/desktop_fixture.h"
#include "support/picture_writers.h"
#include "support/virtual_pad.h"

namespace vx::test {
namespace {

class Extras : public DesktopTest {
 protected:
  // The window pixel that shows the centre of canvas pixel (x, y).
  QPoint on_window(int x, int y) const {
    const double s = form->view().scale;
    return {static_cast<int>((x + 0.5) * s), static_cast<int>((y + 0.5) * s)};
  }
  QPoint on_window(QPoint canvas) const { return on_window(canvas.x(), canvas.y()); }
  void click(QPoint window) {
    QTest::mousePress(form.get(), Qt::LeftButton, Qt::NoModifier, window);
    QTest::mouseRelease(form.get(), Qt::LeftButton, Qt::NoModifier, window);
  }
  // The window as it shows itself (its paint at its own size).
  QImage shown() { return form->grab().toImage(); }
  void activate(QWidget& w) {
    w.show();
    w.activateWindow();
    QApplication::processEvents();
  }
};

TEST_F(Extras, EachZoomScalesTheWindowItsShapeAndItsClickAreas) {
  TForm1& f = start_playing(false);
  EXPECT_EQ(f.zoom(), 100);
  EXPECT_TRUE(f.menu().zoom_entry(100)->isChecked());
  for (int percent : {150, 200, 300, 100}) {
    f.set_zoom(percent);
    const double s = percent / 100.0;
    ASSERT_EQ(f.size(), QSize(static_cast<int>(kTestGameWidth * s), static_cast<int>(kTestGameHeight * s))) << percent;
    EXPECT_EQ(stored("Zoom"), std::to_string(percent));
    EXPECT_TRUE(f.menu().zoom_entry(percent)->isChecked());
    // The shape: every sampled pixel of the console is kept exactly where it is
    // not the key colour.
    const QRegion mask = f.mask();
    int kept = 0, cut = 0;
    for (int y = 0; y < kTestGameHeight; y += 3)
      for (int x = 0; x < kTestGameWidth; x += 3) {
        const bool see_through = pixel_at(x, y) == kTestKeyColour;
        ASSERT_EQ(mask.contains(on_window(x, y)), !see_through) << percent << "% at " << x << "," << y;
        ++(see_through ? cut : kept);
      }
    EXPECT_GT(cut, 0);
    EXPECT_GT(kept, cut);
    EXPECT_EQ(mask.boundingRect().bottomRight().x(), f.width() - 1) << percent;
  }
}

TEST_F(Extras, AClickOnTheFireButtonsCentreFiresAt150Percent) {
  TForm1& f = start_playing(false);
  f.set_zoom(150);
  const QPoint fire = on_window(centre_of(btn_fire_top));
  QTest::mousePress(form.get(), Qt::LeftButton, Qt::NoModifier, fire);
  EXPECT_TRUE(console().FireHeld);
  EXPECT_TRUE(console().board[btn_fire_down].visible);
  QTest::mouseRelease(form.get(), Qt::LeftButton, Qt::NoModifier, fire);
  EXPECT_FALSE(console().FireHeld);
  // Power, at its own place on the larger window.
  click(on_window(centre_of(btn_power_top)));
  EXPECT_EQ(console().GameMode, 1);
  // The point where the fire button would be at 100 % is something else now.
  QTest::mousePress(form.get(), Qt::LeftButton, Qt::NoModifier, centre_of(btn_fire_top));
  EXPECT_FALSE(console().FireHeld);
}

TEST_F(Extras, WholeScalesDrawSharpAndOthersSmooth) {
  TForm1& f = start_playing(false);
  const Sprite& fire = console().board[btn_fire_top];
  const QRgb fire_colour = test_colour(btn_fire_top) | 0xFF000000u;
  const QRgb beneath = pixel_at(fire.left - 1, fire.top + fire.height / 2) | 0xFF000000u;
  ASSERT_NE(fire_colour, beneath);
  const int y = fire.top + fire.height / 2;
  for (int percent : {200, 300}) {
    f.set_zoom(percent);
    const int s = percent / 100;
    const QImage img = shown();
    // Across the button's left edge: its colour starts at once, nothing in between.
    EXPECT_EQ(img.pixel(fire.left * s - 1, y * s), beneath) << percent;
    EXPECT_EQ(img.pixel(fire.left * s, y * s), fire_colour) << percent;
    EXPECT_EQ(img.pixel((fire.left + fire.width) * s - 1, y * s), fire_colour) << percent;
  }
  f.set_zoom(150);
  const QImage img = shown();
  bool blended = false;  // some pixel along the edge mixes the two colours
  for (int x = static_cast<int>((fire.left - 2) * 1.5); x <= static_cast<int>((fire.left + 2) * 1.5); ++x) {
    const QRgb p = img.pixel(x, static_cast<int>(y * 1.5)) | 0xFF000000u;
    blended = blended || (p != fire_colour && p != beneath);
  }
  EXPECT_TRUE(blended);
  EXPECT_EQ(img.pixel(static_cast<int>((fire.left + fire.width / 2) * 1.5), static_cast<int>(y * 1.5)) | 0xFF000000u,
            fire_colour);
}

TEST_F(Extras, AtInBetweenScalesTheKeyColourDoesNotBleedIntoTheConsolesEdge) {
  TForm1& f = start_playing(false);
  f.set_zoom(150);
  // Row 8 of the console: the body's see-through corner up to x 15, its colour from 16.
  ASSERT_EQ(pixel_at(15, 8), kTestKeyColour);
  const QColor body(pixel_at(16, 8));
  const QImage img = shown();
  const int y = on_window(16, 8).y();
  for (int x = 0; x < 40; ++x) {
    if (!f.mask().contains(QPoint(x, y))) continue;
    const QColor c = img.pixelColor(x, y);
    // Blending toward dark is fine; toward the key colour's red and blue is not.
    EXPECT_LE(c.red(), body.red()) << x;
    EXPECT_LE(c.blue(), body.blue()) << x;
  }
}

TEST_F(Extras, ZoomShortcutsStepThroughTheLevelsAndLeaveTheGamesKeysAlone) {
  TForm1& f = start_playing(false);
  QTest::keyClick(&f, Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_EQ(f.zoom(), 150);
  QTest::keyClick(&f, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(f.zoom(), 200);
  QTest::keyClick(&f, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
  QTest::keyClick(&f, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(f.zoom(), 300) << "the largest stays the largest";
  QTest::keyClick(&f, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(f.zoom(), 200);
  QTest::keyClick(&f, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(f.zoom(), 100);
  EXPECT_EQ(f.size(), QSize(kTestGameWidth, kTestGameHeight));
  // A player who put power on '0' keeps it, Ctrl held or not.
  console().assign_keys({0, 1, 3, 4, 39, 40, 42});
  f.set_zoom(200);
  QTest::keyClick(&f, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(f.zoom(), 200);
  EXPECT_EQ(console().GameMode, 1);
}

TEST_F(Extras, TheZoomIsKeptBetweenRunsAndWaitsOutFullScreen) {
  store("Zoom", "200");
  TForm1& f = start_playing(false);
  EXPECT_EQ(f.size(), QSize(2 * kTestGameWidth, 2 * kTestGameHeight));
  form.reset();
  launcher.reset();
  store("Zoom", "125");  // not a level: the console's own size
  TForm1& g = start_playing(true);
  EXPECT_EQ(g.zoom(), 100);
  g.set_zoom(150);
  EXPECT_EQ(g.size(), g.screen_size()) << "full screen is not zoomed";
  EXPECT_TRUE(g.view().identity());
  g.menu().entry(MenuEntry::pm_10_fullscreen)->trigger();
  EXPECT_EQ(g.size(), QSize(kTestGameWidth * 3 / 2, kTestGameHeight * 3 / 2));
}

TEST_F(Extras, AZoomTooLargeForTheScreenShowsTheLargestThatFitsKeepingTheChoice) {
  // A 400 x 400 console: at 300 % it would be 1200 high on this 1000-high screen.
  TempDir data;
  write_test_install(data.path(), 1);
  const auto ini = data / "Graphics/Skin1/Skin.ini";
  std::ifstream in(ini);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  text.replace(text.find("GameWidth=240\nGameHeight=320"), 28, "GameWidth=400\nGameHeight=400");
  write_text(ini, text);
  store_choices("1", "2", "0");
  store("FullscreenMode", "0");
  store("Zoom", "300");
  start(data.path());
  TForm1& f = *form;
  const QRect screen(QPoint(0, 0), f.screen_size());
  EXPECT_EQ(f.zoom_shown(), 200);
  EXPECT_EQ(f.size(), QSize(800, 800));
  EXPECT_TRUE(f.menu().zoom_entry(200)->isChecked()) << "the sub-menu checks the level in effect";
  EXPECT_EQ(stored("Zoom"), "300") << "the choice is kept for a larger screen";
  EXPECT_TRUE(screen.contains(f.geometry()));
  // The zoom keys step from the level in effect.
  f.menu().zoom_out_entry()->trigger();
  EXPECT_EQ(f.size(), QSize(600, 600));
  EXPECT_EQ(stored("Zoom"), "150");
  // Near the bottom-right corner, a larger window keeps its centre where it can and
  // moves wholly onto the screen.
  f.move(1000, 400);
  f.set_zoom(300);
  EXPECT_EQ(f.zoom_shown(), 200);
  EXPECT_EQ(f.pos(), QPoint(800, 200));
  f.set_zoom(100);
  EXPECT_EQ(f.pos(), QPoint(1000, 400)) << "about the same centre, 1200, 600";
}

TEST_F(Extras, RememberWindowPositionReopensTheConsoleWhereItWasLeftOnTheScreen) {
  TForm1& f = start_playing(false);
  EXPECT_FALSE(f.menu().remember_entry()->isChecked()) << "off unless the player asks";
  const QPoint centred = f.pos();
  f.show();
  f.move(100, 50);
  form.reset();
  launcher.reset();
  TForm1& g = start_playing(false);
  EXPECT_EQ(g.pos(), centred) << "not remembered: centred again";
  g.show();
  g.menu().remember_entry()->trigger();
  EXPECT_EQ(stored("RememberPosition"), "1");
  EXPECT_EQ(stored("WindowLeft"), std::to_string(centred.x()));
  g.move(100, 50);
  QCoreApplication::processEvents();
  g.pm_14_exitClick();  // Esc right after the move: the place is stored on the way out
  EXPECT_EQ(stored("WindowLeft"), "100");
  EXPECT_EQ(stored("WindowTop"), "50");
  form.reset();
  launcher.reset();
  EXPECT_EQ(start_playing(false).pos(), QPoint(100, 50));
  // A place off the screen (a larger screen before): moved wholly onto this one.
  form.reset();
  launcher.reset();
  store("WindowLeft", "5000");
  store("WindowTop", "-300");
  TForm1& h = start_playing(false);
  EXPECT_EQ(h.pos(), QPoint(h.screen_size().width() - kTestGameWidth, 0));
}

TEST_F(Extras, FitConsoleToScreenScalesTheConsoleToTheScreensHeight) {
  store("FullscreenFit", "1");
  TForm1& f = start_playing(true);
  const QSize screen = f.screen_size();
  EXPECT_TRUE(f.menu().fit_entry()->isChecked());
  EXPECT_EQ(f.size(), screen);
  EXPECT_DOUBLE_EQ(f.view().scale, static_cast<double>(screen.height()) / kTestGameHeight);
  // The console fills the height: its bottom row of pixels reaches the screen's bottom.
  const Sprite& bg = console().board[im_background];
  EXPECT_EQ(f.view().place(QRect(bg.left, bg.top, bg.width, bg.height)).top(), 0);
  click(on_window(centre_of(btn_power_top)));
  EXPECT_EQ(console().GameMode, 1);
  QTest::mousePress(form.get(), Qt::LeftButton, Qt::NoModifier, on_window(centre_of(btn_fire_top)));
  EXPECT_TRUE(console().FireHeld);
  QTest::mouseRelease(form.get(), Qt::LeftButton, Qt::NoModifier, on_window(centre_of(btn_fire_top)));
  // The game menu's rows grow with it.
  f.btn_game_menu_topClick();
  ASSERT_EQ(f.menu().game_menu_rows().size(), 13u);
  EXPECT_EQ(f.menu().game_menu_rows()[0]->geometry(), f.view().place(QRect(0, 32, 256, 32)));
  // Off again: the console at its own size, centred; the game runs on.
  f.menu().fit_entry()->trigger();
  EXPECT_EQ(stored("FullscreenFit"), "0");
  EXPECT_TRUE(f.view().identity());
  EXPECT_EQ(f.size(), screen);
  EXPECT_EQ(console().GameMode, 1);
  EXPECT_TRUE(f.menu().game_menu_rows().empty());
}

TEST_F(Extras, PauseWhenInactiveStopsEveryTimerAndGoesOnWhereItWas) {
  TForm1& f = start_playing(false);
  EXPECT_FALSE(f.menu().pause_entry()->isChecked()) << "off unless the player asks";
  activate(f);
  ASSERT_TRUE(f.isActiveWindow());
  f.menu().pause_entry()->trigger();
  EXPECT_EQ(stored("PauseInactive"), "1");
  // A game at skill 1, a shot 40 ms into its flight.
  QTest::keyClick(&f, Qt::Key_1);
  for (int t = 0; t < 35; ++t) advance(100);  // the jingle, then the demonstration
  QTest::keyClick(&f, Qt::Key_3);
  for (int t = 0; t < 100 && !console().ControlsReady; ++t) advance(100);
  ASSERT_EQ(console().Phase, 1);
  ASSERT_TRUE(console().ControlsReady);
  QTest::keyPress(&f, Qt::Key_Control);
  QTest::keyRelease(&f, Qt::Key_Control);
  advance(40);
  ASSERT_TRUE(console().ShotInFlight);
  const auto shot = console().timers.remaining(TimerId::Timer_Phase123_Player_Fire);
  const auto rows = console().timers.remaining(TimerId::Timer_Phase1_Enemy_Row8);
  ASSERT_TRUE(shot && rows);

  QWidget other;
  activate(other);  // the player turns to another window for 10 s
  EXPECT_TRUE(f.paused());
  EXPECT_FALSE(f.armed_tick_ms()) << "nothing is armed while paused";
  for (int t = 0; t < 100; ++t) advance(100);
  EXPECT_EQ(console().timers.remaining(TimerId::Timer_Phase123_Player_Fire), shot);
  EXPECT_EQ(console().timers.remaining(TimerId::Timer_Phase1_Enemy_Row8), rows);
  EXPECT_TRUE(console().ShotInFlight);

  activate(f);
  EXPECT_FALSE(f.paused());
  EXPECT_EQ(console().timers.remaining(TimerId::Timer_Phase123_Player_Fire), shot);
  ASSERT_TRUE(f.armed_tick_ms());
  EXPECT_EQ(*f.armed_tick_ms(), std::min(*shot, *rows));
  advance(*shot);  // the shot climbs on as if nothing had happened
  EXPECT_EQ(console().timers.remaining(TimerId::Timer_Phase123_Player_Fire), 80);

  // Off: another window no longer stops the game.
  f.menu().pause_entry()->trigger();
  activate(other);
  EXPECT_FALSE(f.paused());
  EXPECT_TRUE(f.armed_tick_ms());
}

TEST_F(Extras, PadsDriveTheConsoleOnlyWhileItsWindowIsActive) {
  TForm1& f = start_playing(false);
  EXPECT_EQ(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u) << "the pads start with their first poll, not with the window";
  VirtualPad pad;  // connected before the first poll
  ASSERT_TRUE(pad.plugged());
  activate(f);
  f.poll_gamepads();
  EXPECT_EQ(f.gamepads().count(), 1);
  pad.button(SDL_CONTROLLER_BUTTON_GUIDE, true);
  f.poll_gamepads();
  EXPECT_EQ(console().GameMode, 1) << "Guide is power";
  pad.button(SDL_CONTROLLER_BUTTON_A, true);
  f.poll_gamepads();
  EXPECT_TRUE(console().FireHeld);
  EXPECT_TRUE(console().board[btn_fire_down].visible);

  QWidget other;
  activate(other);
  EXPECT_FALSE(console().FireHeld) << "a held button is let go when the window goes to the background";
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  f.poll_gamepads();
  EXPECT_FALSE(console().JoystickHeld);

  activate(f);
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
  f.poll_gamepads();
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  f.poll_gamepads();
  EXPECT_TRUE(console().JoystickHeld);
  EXPECT_EQ(console().board[btn_joystick_placeholder].picture, console().board[btn_joystick_left].picture);
}

TEST_F(Extras, AScriptWithoutWaitsRunsOnTheWindowsConsoleAtOnce) {
  TForm1& f = start_playing(false);
  std::istringstream in("press power\npress select\nrelease select\n");
  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(read_script(in, lines, error)) << error;
  bool done = false;
  ScriptPlayer player(f, std::move(lines), [&] { done = true; });
  player.start();
  QCoreApplication::processEvents();  // it starts at the event loop's next turn
  QCoreApplication::processEvents();  // and ends after what the last line queued
  EXPECT_TRUE(done);
  EXPECT_EQ(console().GameMode, 1);
  EXPECT_FALSE(console().board[btn_select_down].visible);
  EXPECT_EQ(pixel_at(centre_of(btn_power_top).x(), centre_of(btn_power_top).y()), test_colour(btn_power_on));
  // `key` types on the window, its shortcuts included.
  std::istringstream keys("key F12\n");
  ASSERT_TRUE(read_script(keys, lines = {}, error)) << error;
  ScriptPlayer typist(f, std::move(lines), {});
  typist.start();
  QCoreApplication::processEvents();
  EXPECT_TRUE(form->full_screen());
}

}  // namespace
}  // namespace vx::test
