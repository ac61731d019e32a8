// The console window: its creation from the settings, keys and mouse reaching the
// console, painting, the windowed shape, dragging, the full-screen switch and the
// pop-up menu's entries.
#include <sys/inotify.h>
#include <unistd.h>

#include <QAction>
#include <QBitmap>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QToolTip>

#include "display/mouse_map.h"
#include "support/desktop_fixture.h"

namespace vx::test {
namespace {

class ConsoleWindow : public DesktopTest {};

TEST_F(ConsoleWindow, FirstCreationReadsDefaultsAndStoresTheSixKeys) {
  TForm1& f = create();
  EXPECT_TRUE(form->full_screen());
  EXPECT_TRUE(f.menu().entry(MenuEntry::pm_10_fullscreen)->isChecked());
  EXPECT_TRUE(console().CtrlrOverlay);
  EXPECT_TRUE(f.menu().entry(MenuEntry::pm_12_controller)->isChecked());
  EXPECT_TRUE(console().board[btn_ctrlr_overlay_left].visible);
  EXPECT_FALSE(console().board[btn_joystick_top].visible);
  EXPECT_FALSE(form->menu().game_menu_open());
  const char* names[] = {"Key1", "Key2", "Key3", "Key4", "Key5", "Key6"};
  const char* values[] = {"2", "3", "4", "39", "40", "42"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(stored(names[i]), values[i]) << names[i];
  EXPECT_EQ(console().KeyAssign[ActFire].VirtualKey, 17);
  EXPECT_EQ(console().board[btn_power_top].hint, "click or press '1' to turn on the game");
  EXPECT_EQ(f.skin_table().SkinCount, 2);
  EXPECT_EQ(f.skin_table().at(2)->Name, "Test Skin 2");
  // Out of sight until the skin is loaded and the window centred.
  const QSize screen = f.screen_size();
  EXPECT_EQ(f.pos(), QPoint(-screen.width(), -screen.height()));
  EXPECT_TRUE(messages.empty());
}

// How often a file is replaced by a new one (each save of the settings store
// writes a new file beside it and renames that over it). The creations are
// watched too: the kernel would merge renames that follow each other unread.
class Replacements {
 public:
  explicit Replacements(const QString& file)
      : fd_(inotify_init1(IN_NONBLOCK)), name_(QFileInfo(file).fileName().toStdString()) {
    inotify_add_watch(fd_, QFileInfo(file).absolutePath().toLocal8Bit().constData(), IN_CREATE | IN_MOVED_TO);
  }
  ~Replacements() { ::close(fd_); }
  int count() {
    alignas(inotify_event) char buffer[8192];
    for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;)
      for (char* at = buffer; at < buffer + n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        if ((event->mask & IN_MOVED_TO) && event->len && name_ == event->name) ++count_;
        at += sizeof(inotify_event) + event->len;
      }
    return count_;
  }

 private:
  int fd_;
  std::string name_;
  int count_ = 0;
};

TEST_F(ConsoleWindow, HandEditedValuesReadAsMeantAndCreationSavesTheStoreOnce) {
  store("Key4", "abc");
  store("FullscreenMode", "FALSE");
  store("CtrlrOverlay", "false");
  Replacements saves(stored_settings().fileName());
  create();
  EXPECT_EQ(saves.count(), 1) << "the six keys are written back together";
  EXPECT_EQ(stored("Key4"), "39");
  EXPECT_EQ(console().KeyAssign[ActLeft].VirtualKey, 37);
  EXPECT_FALSE(form->full_screen());
  EXPECT_FALSE(console().CtrlrOverlay);
  EXPECT_TRUE(console().board[btn_joystick_top].visible);
  EXPECT_FALSE(console().board[btn_ctrlr_overlay_left].visible);
}

TEST_F(ConsoleWindow, TheWindowedConsoleIsCentredAndShapedByTheKeyColour) {
  TForm1& f = start_playing(false);
  const QSize screen = f.screen_size();
  EXPECT_EQ(f.size(), QSize(kTestGameWidth, kTestGameHeight));
  EXPECT_EQ(f.pos(), QPoint((screen.width() - kTestGameWidth) / 2, (screen.height() - kTestGameHeight) / 2));
  // The body's corners let the key colour through: cut away from the window.
  EXPECT_EQ(pixel_at(2, 2), kTestKeyColour);
  EXPECT_FALSE(f.mask().contains(QPoint(2, 2)));
  EXPECT_TRUE(f.mask().contains(QPoint(120, 160)));
  EXPECT_EQ(pixel_at(120, 20), test_colour(im_background));
  EXPECT_EQ(console().GameMode, 0);
}

TEST_F(ConsoleWindow, TheKeyTableRunsTheConsolesActionsAndRepaintsWhatChanged) {
  start_playing(false);
  const QPoint power = centre_of(btn_power_top);
  EXPECT_EQ(pixel_at(power.x(), power.y()), test_colour(btn_power_top));
  QTest::keyClick(form.get(), Qt::Key_1);
  EXPECT_EQ(console().GameMode, 1);
  EXPECT_EQ(pixel_at(power.x(), power.y()), test_colour(btn_power_on));  // drawn over the button
  const QPoint screen = centre_of(im_background_screen_on);
  EXPECT_EQ(pixel_at(screen.x(), screen.y()), test_colour(im_background_screen_on));
  EXPECT_EQ(console().board[btn_power_top].hint, "click or press '1' to turn off the game");
  QTest::keyClick(form.get(), Qt::Key_1);
  EXPECT_EQ(console().GameMode, 0);
  EXPECT_EQ(pixel_at(power.x(), power.y()), test_colour(btn_power_top));
  EXPECT_EQ(pixel_at(screen.x(), screen.y()), test_colour(im_background_screen_top));
}

TEST_F(ConsoleWindow, TheSelectKeyInTheDemoAdvancesTheSkill) {
  start_playing(false);
  console().GameMode = 2;
  console().Skill = 1;
  QTest::keyClick(form.get(), Qt::Key_2);
  EXPECT_EQ(console().Skill, 2);
  QTest::keyClick(form.get(), Qt::Key_2);
  EXPECT_EQ(console().Skill, 3);
  EXPECT_FALSE(console().board[btn_select_down].visible);  // released again
}

TEST_F(ConsoleWindow, AutoRepeatedReleasesDoNotEndAHeldKey) {
  start_playing(false);
  auto send = [&](QEvent::Type type, bool repeat) {
    QKeyEvent e(type, Qt::Key_Control, Qt::NoModifier, 37, 0, 0, QString(), repeat);
    QApplication::sendEvent(form.get(), &e);
  };
  send(QEvent::KeyPress, false);
  EXPECT_TRUE(console().FireHeld);
  EXPECT_TRUE(console().board[btn_fire_down].visible);
  for (int i = 0; i < 3; ++i) {
    send(QEvent::KeyRelease, true);
    EXPECT_TRUE(console().FireHeld);
    EXPECT_TRUE(console().board[btn_fire_down].visible);
    send(QEvent::KeyPress, true);
  }
  send(QEvent::KeyRelease, false);
  EXPECT_FALSE(console().FireHeld);
  EXPECT_FALSE(console().board[btn_fire_down].visible);
}

TEST_F(ConsoleWindow, TheLeftButtonOnAPicturedButtonActsAndOtherButtonsDoNot) {
  start_playing(false);
  const QPoint power = centre_of(btn_power_top);
  QTest::mouseClick(form.get(), Qt::RightButton, {}, power);
  EXPECT_EQ(console().GameMode, 0);
  QTest::mouseClick(form.get(), Qt::LeftButton, {}, power);
  EXPECT_EQ(console().GameMode, 1);
  // btn_power_on now lies over the button; the click still reaches it.
  ASSERT_TRUE(console().board[btn_power_on].visible);
  QTest::mouseClick(form.get(), Qt::LeftButton, {}, power);
  EXPECT_EQ(console().GameMode, 0);

  const QPoint fire = centre_of(btn_fire_top);
  QTest::mousePress(form.get(), Qt::LeftButton, {}, fire);
  EXPECT_TRUE(console().board[btn_fire_down].visible);
  QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(1, 1));  // released elsewhere: still its release
  EXPECT_FALSE(console().board[btn_fire_down].visible);
}

TEST_F(ConsoleWindow, TheOverlayArrowsAreTheLeftAndRightControls) {
  start_playing(false);
  QTest::mousePress(form.get(), Qt::LeftButton, {}, centre_of(btn_ctrlr_overlay_left));
  EXPECT_TRUE(console().JoystickHeld);
  EXPECT_EQ(console().board[btn_joystick_placeholder].source, btn_joystick_left);
  QTest::mouseRelease(form.get(), Qt::LeftButton, {}, centre_of(btn_ctrlr_overlay_left));
  EXPECT_FALSE(console().JoystickHeld);
  EXPECT_FALSE(console().board[btn_joystick_placeholder].picture);
}

TEST_F(ConsoleWindow, DraggingMovesTheWindowedConsoleOnlyFromItsBody) {
  TForm1& f = start_playing(false);
  const QPoint start = f.pos();
  auto move_to = [&](QPoint at) {
    QMouseEvent e(QEvent::MouseMove, at, f.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &e);
  };
  QTest::mousePress(&f, Qt::LeftButton, {}, QPoint(120, 20));  // the case
  move_to(QPoint(150, 40));
  EXPECT_EQ(f.pos(), start + QPoint(30, 20));
  QTest::mouseRelease(&f, Qt::LeftButton, {}, QPoint(120, 20));
  // A pictured button does not drag.
  const QPoint moved = f.pos();
  QTest::mousePress(&f, Qt::LeftButton, {}, centre_of(btn_select_top));
  move_to(centre_of(btn_select_top) + QPoint(25, 25));
  QTest::mouseRelease(&f, Qt::LeftButton, {}, centre_of(btn_select_top));
  EXPECT_EQ(f.pos(), moved);
}

TEST_F(ConsoleWindow, TheFullScreenConsoleDoesNotDrag) {
  TForm1& f = start_playing(true);
  EXPECT_EQ(f.pos(), QPoint(0, 0));
  const QPoint body = centre_of(im_background_screen_top);
  QTest::mousePress(&f, Qt::LeftButton, {}, body);
  QMouseEvent e(QEvent::MouseMove, body + QPoint(40, 40), f.mapToGlobal(body + QPoint(40, 40)), Qt::NoButton,
                Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&f, &e);
  EXPECT_EQ(f.pos(), QPoint(0, 0));
}

TEST_F(ConsoleWindow, F12DuringAGameSwitchesThePresentationAndThePlayGoesOn) {
  TForm1& f = start_playing(true);
  const QSize screen = f.screen_size();
  EXPECT_EQ(f.size(), screen);
  console().GameMode = 3;
  console().Score = 1230;
  console().Lives = 4;
  console().ShipCol = 2;
  console().Phase = 2;
  console().start_timer(TimerId::Timer_Phase123_Enemy_Fire, 250);
  QTest::keyClick(&f, Qt::Key_F12);
  EXPECT_FALSE(form->full_screen());
  EXPECT_EQ(stored("FullscreenMode"), "0");
  EXPECT_FALSE(f.menu().entry(MenuEntry::pm_10_fullscreen)->isChecked());
  EXPECT_EQ(f.size(), QSize(kTestGameWidth, kTestGameHeight));
  EXPECT_TRUE(f.look().colour_key);
  EXPECT_FALSE(f.mask().contains(QPoint(2, 2))) << "shaped by the key colour again";
  EXPECT_FALSE(f.windowState() & Qt::WindowFullScreen);
  EXPECT_FALSE(console().board[btn_game_menu_top].visible);
  EXPECT_EQ(console().Score, 1230);
  EXPECT_EQ(console().Lives, 4);
  EXPECT_EQ(console().ShipCol, 2);
  EXPECT_EQ(console().GameMode, 3);
  EXPECT_TRUE(console().timers.Enabled(TimerId::Timer_Phase123_Enemy_Fire));
  QTest::keyClick(&f, Qt::Key_F12);
  EXPECT_TRUE(form->full_screen());
  EXPECT_EQ(stored("FullscreenMode"), "1");
  EXPECT_EQ(f.size(), screen);
  EXPECT_EQ(f.pos(), QPoint(0, 0));
  EXPECT_TRUE(f.mask().isEmpty()) << "full screen keeps no shape of the window";
  EXPECT_TRUE(f.windowState() & Qt::WindowFullScreen) << "the window system's full screen";
  EXPECT_TRUE(console().board[btn_game_menu_top].visible);
  EXPECT_EQ(console().Score, 1230);
}

TEST_F(ConsoleWindow, EscEndsTheProgramWithoutTheCloseHandler) {
  TForm1& f = start_playing(false);
  QTest::keyClick(&f, Qt::Key_Escape);
  EXPECT_TRUE(termination_requested());
  // FormClose would have closed the store: it still answers.
  EXPECT_EQ(f.settings().read_int(SettingKey::Skin), 1);
}

TEST_F(ConsoleWindow, ClosingTheWindowRunsTheCloseHandler) {
  TForm1& f = start_playing(false);
  f.close();
  EXPECT_TRUE(termination_requested());
  EXPECT_EQ(f.settings().read_int(SettingKey::Skin), -1);  // the store is closed
  EXPECT_EQ(stored("Skin"), "1");                          // and nothing was lost
}

TEST_F(ConsoleWindow, TheControllerOverlayChoiceIsStoredAndRestored) {
  TForm1& f = start_playing(false);
  f.menu().entry(MenuEntry::pm_12_controller)->trigger();
  EXPECT_FALSE(console().CtrlrOverlay);
  EXPECT_EQ(stored("CtrlrOverlay"), "0");
  EXPECT_TRUE(console().board[btn_joystick_top].visible);
  EXPECT_FALSE(console().board[btn_ctrlr_overlay_right].visible);
  const QPoint arrow = centre_of(btn_ctrlr_overlay_left);
  EXPECT_NE(pixel_at(arrow.x(), arrow.y()), test_colour(btn_ctrlr_overlay_left));
  form.reset();
  create();
  EXPECT_FALSE(console().CtrlrOverlay);
  EXPECT_FALSE(form->menu().entry(MenuEntry::pm_12_controller)->isChecked());
}

TEST_F(ConsoleWindow, TheSplashScreenEntryIsStoredAndReadWhenTheMenuOpens) {
  TForm1& f = start_playing(false);
  EXPECT_FALSE(f.menu().entry(MenuEntry::pm_11_splashscreen)->isChecked());  // Play set it from the check box
  f.menu().entry(MenuEntry::pm_11_splashscreen)->trigger();
  EXPECT_EQ(stored("SplashScreen"), "1");
  store("SplashScreen", "0");
  f.pm_0_menuPopup();
  EXPECT_FALSE(f.menu().entry(MenuEntry::pm_11_splashscreen)->isChecked());
}

TEST_F(ConsoleWindow, TheDocumentEntriesAndTheirShortcutsAskTheShell) {
  TForm1& f = start_playing(false);
  QTest::keyClick(&f, Qt::Key_F2);
  QTest::keyClick(&f, Qt::Key_F3);
  f.menu().entry(MenuEntry::pm_6_config)->trigger();
  EXPECT_EQ(opened, (std::vector<std::string>{"Readme.txt", "Whatsnew.txt", "Config.ini"}));
  EXPECT_EQ(console().GameMode, 0);  // the shortcuts do not reach the game
}

TEST_F(ConsoleWindow, TheMenuHasItsEntriesInOrderWithShortcutsAndSeparators) {
  TForm1& f = create();
  QList<QAction*> actions = f.menu().pm_0_menu()->actions();
  // The simulator's own entries (the Zoom and Volume sub-menus, the fit, the pauses, the place, the
  // screenshot, the high scores, the quit question) are tested with them.
  actions.removeIf([&](QAction* a) {
    const ConsoleMenu& m = f.menu();
    return a->menu() || a == m.fit_entry() || a == m.pause_entry() || a == m.remember_entry() ||
           a == m.pause_game_entry() || a == m.screenshot_entry() || a == m.high_scores_entry() ||
           a == m.ask_quit_entry();
  });
  ASSERT_EQ(actions.size(), kMenuEntryCount);
  const char* captions[] = {"About...",
                            "View 'Readme.txt'",
                            "View 'Whatsnew.txt'",
                            "View manual",
                            "",
                            "Edit configuration file",
                            "Key settings",
                            "",
                            "Display in fullscreen mode",
                            "Display splash screen at startup",
                            "Display controller overlays",
                            "",
                            "Exit"};
  for (int i = 0; i < kMenuEntryCount; ++i) EXPECT_EQ(actions[i]->text().toStdString(), captions[i]);
  EXPECT_TRUE(actions[4]->isSeparator() && actions[7]->isSeparator() && actions[11]->isSeparator());
  EXPECT_EQ(actions[0]->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(actions[8]->shortcut(), QKeySequence(Qt::Key_F12));
  EXPECT_EQ(actions[12]->shortcut(), QKeySequence(Qt::Key_Escape));
  EXPECT_EQ(f.menu().pm_0_menu()->defaultAction(), actions[0]);
  // The secondary forms' entries wait for their hooks.
  EXPECT_FALSE(actions[0]->isEnabled());
  int shown = 0;
  f.menu().set_form_hook(MenuEntry::pm_1_about, [&] { ++shown; });
  QTest::keyClick(&f, Qt::Key_F1);
  EXPECT_EQ(shown, 1);
}

TEST_F(ConsoleWindow, TheConsolesTimersRunOnTheWindowsClock) {
  start_playing(false);
  EXPECT_FALSE(form->armed_tick_ms());  // off: nothing runs
  QTest::keyClick(form.get(), Qt::Key_1);
  ASSERT_TRUE(form->armed_tick_ms());
  EXPECT_LE(*form->armed_tick_ms(), 1);       // the power-on opening starts at once
  for (int t = 0; t < 460; ++t) advance(10);  // past the jingle, into the demonstration
  EXPECT_EQ(console().GameMode, 2);
  ASSERT_TRUE(console().board[el_enemy(3, 9)].visible);
  const Box top = test_box(el_enemy(3, 9));
  EXPECT_EQ(pixel_at(top.left + 2, top.top + 2), test_colour(el_enemy(3, 9)));
  ASSERT_TRUE(form->armed_tick_ms());
  QTest::keyClick(form.get(), Qt::Key_1);  // off again: every timer stops, the cells go dark
  EXPECT_FALSE(form->armed_tick_ms());
  EXPECT_EQ(pixel_at(top.left + 2, top.top + 2), test_colour(im_background_screen_top));
}

TEST_F(ConsoleWindow, PicturedButtonsShowTheirHintsAndPointers) {
  store("CtrlrOverlay", "0");
  TForm1& f = start_playing(false);
  const QPoint power = centre_of(btn_power_top);
  QHelpEvent help(QEvent::ToolTip, power, f.mapToGlobal(power));
  QApplication::sendEvent(&f, &help);
  EXPECT_EQ(QToolTip::text(), "click or press '1' to turn on the game");
  auto hover = [&](QPoint at) {
    QMouseEvent e(QEvent::MouseMove, at, f.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &e);
    return f.cursor().shape();
  };
  EXPECT_EQ(hover(power), Qt::PointingHandCursor);
  EXPECT_EQ(hover(centre_of(btn_joystick_top)), Qt::WhatsThisCursor);
  EXPECT_EQ(hover(QPoint(120, 20)), Qt::ArrowCursor);
}

TEST(Centring, HalfTheSpareRoomAndNeverNegative) {
  EXPECT_EQ(centred_position(800, 240), 280);
  EXPECT_EQ(centred_position(801, 240), 280);
  EXPECT_EQ(centred_position(1920, 1920), 0);
  EXPECT_EQ(centred_position(600, 747), 0);
}

TEST(HitTest, TheTopmostVisibleClickablePictureTakesThePress) {
  SpriteBoard board;
  board.set_box(im_background, 0, 0, 200, 200);
  board.set_box(btn_fire_top, 50, 50, 40, 40);
  board.set_box(btn_fire_down, 50, 50, 40, 40);
  board.set_box(el_enemy(1, 9), 0, 0, 30, 30);
  board.show(im_background, true);
  board.show(btn_fire_down, true);
  board.show(el_enemy(1, 9), true);
  // A state picture does not take the press; the hidden button beneath does not either.
  EXPECT_EQ(hit_test(board, 60, 60), std::optional<ElementId>(im_background));
  board.show(btn_fire_top, true);
  EXPECT_EQ(hit_test(board, 60, 60), std::optional<ElementId>(btn_fire_top));
  // A lit cell lets the press through to the case beneath.
  EXPECT_EQ(hit_test(board, 10, 10), std::optional<ElementId>(im_background));
  EXPECT_EQ(hit_test(board, 90, 60), std::optional<ElementId>(im_background));  // just outside the box
  EXPECT_EQ(hit_test(board, 250, 10), std::nullopt);
}

}  // namespace
}  // namespace vx::test
