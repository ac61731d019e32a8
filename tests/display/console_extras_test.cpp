// The console window's extras on the test installation: the player's pause and its
// sign, volume and mute, screenshots, the high scores, and the question before
// quitting a running game.
#include <SDL_mixer.h>

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>

#include "frontend/picture_label.h"
#include "support/desktop_fixture.h"

namespace vx::test {
namespace {

class ExtrasOfTheWindow : public DesktopTest {
 protected:
  QImage shown() { return form->grab().toImage(); }
  // The window's pixels inside `canvas` (a box on the console's canvas) are the same in both.
  bool same_inside(const QImage& a, const QImage& b, const QRect& canvas) {
    const QRect r = form->view().place(canvas) & a.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
  }
  // Plays into phase 1 with a shot on its way.
  void into_a_game() {
    QTest::keyClick(form.get(), Qt::Key_1);  // power
    for (int t = 0; t < 100 && console().GameMode != 2; ++t) advance(100);
    QTest::keyClick(form.get(), Qt::Key_3);  // start
    for (int t = 0; t < 100 && !console().ControlsReady; ++t) advance(100);
    ASSERT_TRUE(console().ControlsReady);
  }
  // The game is lost at `skill` with `score`; the clock runs past the game-over tune.
  void lose_a_game(int skill, int score) {
    form->show_report(form->host().act([&](Console& k) {
      k.GameMode = 3;
      k.Skill = skill;
      k.Lives = 1;
      k.Score = score;
      k.Phase = 3;
      k.Gam_Phase123_Miss();
    }));
    for (int t = 0; t < 100; ++t) advance(100);
  }
};

TEST_F(ExtrasOfTheWindow, PauseF5AndTheEntryHoldTheGameUnderASteadySignOffThePanel) {
  TForm1& f = start_playing(false);
  into_a_game();
  const QRect panel = f.extras().panel(), playfield = f.extras().playfield();
  ASSERT_FALSE(panel.isEmpty());
  ASSERT_FALSE(playfield.isEmpty());
  const std::function<void()> ways[] = {
      [&] { QTest::keyClick(&f, Qt::Key_Pause); },
      [&] { QTest::keyClick(&f, Qt::Key_F5); },
      [&] { f.menu().pause_game_entry()->trigger(); },
  };
  for (std::size_t i = 0; i < std::size(ways); ++i) {
    SCOPED_TRACE(i);
    const QImage running = shown();
    const auto rows = console().timers.remaining(TimerId::Timer_Phase1_Enemy_Row8);
    ways[i]();
    ASSERT_TRUE(f.paused());
    EXPECT_TRUE(f.menu().pause_game_entry()->isChecked());
    EXPECT_FALSE(f.armed_tick_ms());
    const QImage sign = shown();
    for (int t = 0; t < 30; ++t) advance(100);
    EXPECT_EQ(console().timers.remaining(TimerId::Timer_Phase1_Enemy_Row8), rows) << "the game's clock ran on";
    EXPECT_EQ(shown(), sign) << "the sign is steady";
    EXPECT_FALSE(same_inside(running, sign, playfield)) << "no sign over the console";
    EXPECT_TRUE(same_inside(running, sign, panel)) << "the sign lies on the panel";
    EXPECT_FALSE(console().ShotInFlight) << "a pause key fired a shot";
    ways[i]();
    EXPECT_FALSE(f.paused());
    EXPECT_TRUE(f.armed_tick_ms());
    EXPECT_FALSE(f.extras().overlay().paused()) << "the sign stayed after the game went on";
  }
  // The pause while inactive shows the same sign.
  f.menu().pause_entry()->trigger();
  QWidget other;
  other.show();
  other.activateWindow();
  QApplication::processEvents();
  ASSERT_TRUE(f.paused());
  EXPECT_TRUE(f.extras().overlay().paused());
  EXPECT_FALSE(f.menu().pause_game_entry()->isChecked());
}

TEST_F(ExtrasOfTheWindow, VolumeKeysAndEntriesSetTheWholeMixAreKeptAndSaid) {
  TForm1& f = start_playing(false);
  EXPECT_EQ(f.extras().volume(), 100);
  EXPECT_TRUE(f.menu().volume_entry(100)->isChecked());
  struct Step {
    std::function<void()> act;
    int volume;
    bool muted;
    const char* said;  // "": nothing said
  };
  const Step steps[] = {
      {[&] { QTest::keyClick(&f, Qt::Key_F7); }, 100, false, "Volume 100%"},
      {[&] { QTest::keyClick(&f, Qt::Key_F6); }, 90, false, "Volume 90%"},
      {[&] { QTest::keyClick(&f, Qt::Key_F6); }, 80, false, "Volume 80%"},
      {[&] { QTest::keyClick(&f, Qt::Key_F8); }, 80, true, "Sound muted (volume 80%)"},
      {[&] { f.menu().volume_entry(30)->trigger(); }, 30, true, ""},
      {[&] { QTest::keyClick(&f, Qt::Key_F8); }, 30, false, "Volume 30%"},
      {[&] { f.menu().volume_entry(0)->trigger(); }, 0, false, ""},
      {[&] { QTest::keyClick(&f, Qt::Key_F6); }, 0, false, "Volume 0%"},
      {[&] { f.menu().volume_entry(60)->trigger(); }, 60, false, ""},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.said);
    f.menu().volume_entry(100)->setChecked(true);  // a stale check mark is put right
    s.act();
    EXPECT_EQ(f.extras().volume(), s.volume);
    EXPECT_EQ(f.extras().muted(), s.muted);
    EXPECT_EQ(stored("Volume"), std::to_string(s.volume));
    EXPECT_EQ(stored("Muted"), s.muted ? "1" : "0");
    EXPECT_TRUE(f.menu().volume_entry(s.volume)->isChecked());
    EXPECT_EQ(f.menu().mute_entry()->isChecked(), s.muted);
    EXPECT_EQ(Mix_MasterVolume(-1), s.muted ? 0 : s.volume * MIX_MAX_VOLUME / 100);
    if (*s.said) EXPECT_EQ(f.extras().overlay().note_text().toStdString(), s.said);
  }
  // The next run starts where this one left off.
  store("Muted", "1");
  create();
  EXPECT_EQ(form->extras().volume(), 60);
  EXPECT_TRUE(form->extras().muted());
  EXPECT_EQ(Mix_MasterVolume(-1), 0);
  EXPECT_TRUE(form->menu().volume_entry(60)->isChecked());
}

TEST_F(ExtrasOfTheWindow, F9AndTheEntrySaveTheWindowAsShownNamedByDateAndTime) {
  TForm1& f = start_playing(false);
  TempDir pictures;
  const auto folder = pictures.path() / "vornix-simulator";
  f.extras().shots_folder = [&] { return folder; };
  f.show();
  QApplication::processEvents();  // the window reaches the screen, which is read back
  const QImage before = shown();
  QTest::keyClick(&f, Qt::Key_F9);
  f.menu().screenshot_entry()->trigger();  // the same second: a name of its own
  std::vector<std::filesystem::path> files;
  for (const auto& e : std::filesystem::directory_iterator(folder)) files.push_back(e.path());
  ASSERT_EQ(files.size(), 2u);
  std::sort(files.begin(), files.end());
  const QRegularExpression name(QStringLiteral(R"(^vornix-\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d(-2)?\.png$)"));
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    EXPECT_TRUE(name.match(QString::fromStdString(file.filename().string())).hasMatch());
    const QImage saved(QString::fromStdString(file.string()));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), before.convertToFormat(QImage::Format_RGB32))
        << "not the window as shown, or the note is in it";
  }
  EXPECT_TRUE(f.extras().overlay().note_text().contains(QString::fromStdString(folder.string())));
  // A folder that cannot be made: nothing written, said on the window.
  f.extras().shots_folder = [&] { return files[0] / "sub"; };
  EXPECT_TRUE(f.extras().save_screenshot().empty());
  EXPECT_EQ(f.extras().overlay().note_text(), "The screenshot could not be saved");
}

TEST_F(ExtrasOfTheWindow, ANewBestIsKeptGreetedAfterTheTuneAndShownInTheBoxAndTheLauncher) {
  store("Best2", "1000");
  store("Best3", "junk");
  TForm1& f = start_playing(false);
  struct Game {
    int skill, score;
    const char* best1;
    const char* best2;
    bool greeted;
  };
  const Game games[] = {{2, 900, "", "1000", false}, {2, 1230, "", "1230", true}, {1, 40, "40", "1230", true}};
  for (const Game& g : games) {
    SCOPED_TRACE(g.score);
    lose_a_game(g.skill, g.score);
    EXPECT_EQ(stored("Best1"), g.best1);
    EXPECT_EQ(stored("Best2"), g.best2);
    EXPECT_EQ(f.extras().overlay().note_text().contains("New high score"), g.greeted)
        << f.extras().overlay().note_text().toStdString();
    if (g.greeted) EXPECT_NE(f.extras().overlay().note_text().indexOf(QString::number(g.score)), -1);
    // The greeting lies over the console, the panel shows the game's own final score.
    const QImage window = shown();
    const QRect panel = f.extras().panel();
    for (int y = panel.top(); y <= panel.bottom(); ++y)
      for (int x = panel.left(); x <= panel.right(); ++x)
        ASSERT_EQ(window.pixel(x, y) & 0xFFFFFFu, pixel_at(x, y)) << "drawn on the panel at " << x << "," << y;
  }
  f.menu().high_scores_entry()->trigger();
  auto* box = f.findChild<QMessageBox*>(QStringLiteral("high_scores_box"));
  ASSERT_TRUE(box);
  EXPECT_EQ(box->windowTitle(), "High scores");
  EXPECT_EQ(box->text(), "Skill 1: 40\nSkill 2: 1230\nSkill 3: 0\nSkill 4: 0");

  TSplashForm& l = start();
  EXPECT_EQ(l.size(), QSize(800, 450));
  QLabel* scores = l.la_high_scores;
  EXPECT_TRUE(scores->text().contains("Skill 1: 40") && scores->text().contains("Skill 2: 1230"));
  EXPECT_FALSE(scores->geometry().intersects(l.im_skin_preview->geometry())) << "over the skin preview";
  EXPECT_TRUE(QRect(0, 0, 800, 450).contains(scores->geometry()));
  // Each sound output says what it opens here, under its old name.
  QComboBox* outputs = l.cb_sound;
  ASSERT_EQ(outputs->count(), 3);
  const char* names[] = {"Microsoft DirectSound", "Windows MultiMedia", "(no sound)"};
  const char* opens[] = {"default sound output", "ALSA", "no sound output"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(outputs->itemText(i), names[i]);
    EXPECT_TRUE(outputs->itemData(i, Qt::ToolTipRole).toString().contains(opens[i])) << names[i];
    outputs->setCurrentIndex(i);
    EXPECT_TRUE(outputs->toolTip().contains(opens[i])) << "the chosen output's hint";
  }
}

TEST_F(ExtrasOfTheWindow, EscQuitsAtOnceUnlessTheQuestionIsOnAndAGameRuns) {
  struct Row {
    bool ask_option, in_game, answer;
    bool asked, quits;
  };
  const Row rows[] = {{false, true, false, false, true},
                      {true, false, false, false, true},
                      {true, true, false, true, false},
                      {true, true, true, true, true}};
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.ask_option << r.in_game << r.answer);
    store("AskBeforeQuit", r.ask_option ? "1" : "0");
    TForm1& f = start_playing(false);
    EXPECT_EQ(f.menu().ask_quit_entry()->isChecked(), r.ask_option);
    if (r.in_game) into_a_game();
    int ended = 0, asked = 0;
    set_termination_hook([&] { ++ended; });
    f.extras().ask_quit = [&] {
      ++asked;
      EXPECT_TRUE(f.paused()) << "the game runs on under the question";
      return r.answer;
    };
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_EQ(asked, r.asked ? 1 : 0);
    EXPECT_EQ(ended, r.quits ? 1 : 0);
    if (!r.quits) EXPECT_FALSE(f.paused()) << "staying, the game goes on";
    set_termination_hook({});
    launcher.reset();
    form.reset();
  }
}

}  // namespace
}  // namespace vx::test
