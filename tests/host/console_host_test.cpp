// The console host: each event runs what fell due, acts, and reports once what
// changed and when the next tick is due; the pause holds the game's time and the sound.
#include "host/console_host.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

struct Recorder : SoundSink {
  std::string log;
  void Snd_Play(Effect e) override { log += std::string(effect_name(e)) + ' '; }
  void Snd_Silence() override { log += "silence "; }
  void pause(bool paused) override { log += paused ? "pause " : "resume "; }
};

class Host : public testing::Test {
 protected:
  Host() {
    host.set_sound(&sound);
    host.console().FormCreate();
    host.console().random.seed(1);
    host.assign_keys(kDefaultKeyIndex);
  }
  std::int64_t wall = 0;
  ConsoleHost host{[this] { return wall; }};
  Recorder sound;
};

TEST_F(Host, APressReportsWhatLitAndWhenTheNextTickIsDue) {
  const HostReport off = host.start_play();
  EXPECT_FALSE(off.next_tick) << "switched off, no timer runs";
  const HostReport on = host.action(ActPower, true);
  EXPECT_TRUE(on.changed.test(btn_power_on));
  EXPECT_TRUE(on.changed.test(im_background_screen_on));
  ASSERT_TRUE(on.next_tick);
  EXPECT_EQ(*on.next_tick, 1) << "the demo's first step runs 1 ms later";
  EXPECT_FALSE(host.report().changed.any()) << "each change is reported once";
}

TEST_F(Host, AKeyGoesToTheActionItIsAssignedTo) {
  const int power_key = KeyName[kDefaultKeyIndex[ActPower]].code;
  EXPECT_TRUE(host.key(power_key, true).changed.test(btn_power_on));
  EXPECT_EQ(host.console().GameMode, 1);
  EXPECT_FALSE(host.key('Q', true).changed.any()) << "a key no action has does nothing";
}

TEST_F(Host, TheClockReachingATickRunsItAtItsTime) {
  host.action(ActPower, true);
  for (wall = 10; wall <= 5000; wall += 10) host.clock_reached();
  EXPECT_EQ(host.console().GameMode, 2) << "the demonstration runs after its lead-in";
  EXPECT_EQ(host.console().timers.now(), 5000);
}

TEST_F(Host, ThePauseHoldsTheGameTimeAndTheSound) {
  host.action(ActPower, true);
  wall = 100;
  const HostReport paused = host.set_paused(true);
  EXPECT_FALSE(paused.next_tick) << "nothing falls due while the game waits";
  EXPECT_TRUE(host.paused());
  wall = 60000;
  EXPECT_EQ(host.game_time(), 100);
  host.clock_reached();
  EXPECT_EQ(host.console().timers.now(), 100) << "no tick runs while paused";
  host.set_paused(false);
  wall = 60050;
  EXPECT_EQ(host.game_time(), 150) << "the game goes on from where it stopped";
  EXPECT_NE(sound.log.find("pause resume"), std::string::npos) << sound.log;
}

TEST_F(Host, ThePlayersPauseAndTheInactivePauseHoldTheGameUntilBothLetGo) {
  host.action(ActPower, true);
  host.set_paused(true, PauseBy::Player);
  host.set_paused(true, PauseBy::Inactive);
  host.set_paused(false, PauseBy::Inactive);
  EXPECT_TRUE(host.paused()) << "the window came back, but the player paused";
  EXPECT_TRUE(host.paused_by(PauseBy::Player));
  EXPECT_FALSE(host.paused_by(PauseBy::Inactive));
  wall = 1000;
  EXPECT_EQ(host.game_time(), 0);
  host.set_paused(false, PauseBy::Player);
  EXPECT_FALSE(host.paused());
  EXPECT_EQ(sound.log.find("pause"), sound.log.rfind("pause")) << "the sound held once: " << sound.log;
}

// A game at `skill` lost with `score`: the game-over tune, then the final score on the panel.
TEST_F(Host, AGameOverReportsTheScoreOnceAfterTheTuneAndKeepsTheBestPerSkill) {
  struct Row {
    int skill, best_before, score;
    bool new_best;
    int best_after;
  };
  const Row rows[] = {{1, 0, 1230, true, 1230}, {2, 5000, 1230, false, 5000}, {4, 1230, 1230, false, 1230},
                      {3, 10, 0, false, 10}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.skill);
    BestScores best{0, 7, 7, 7, 7};
    best[row.skill] = row.best_before;
    host.set_best_scores(best);
    host.act([&](Console& k) {
      k.GameMode = 3;
      k.Skill = row.skill;
      k.Lives = 1;
      k.Score = row.score;
      k.Phase = 3;
      k.Gam_Phase123_Miss();
    });
    std::optional<GameResult> over;
    std::int64_t reported_at = 0, tune_at = -1;
    for (const std::int64_t until = wall + 20000; wall < until; wall += 10) {
      const std::size_t heard = sound.log.size();
      const HostReport r = host.clock_reached();
      if (sound.log.find("Gameover", heard) != std::string::npos) tune_at = wall;
      if (r.game_over) {
        ASSERT_FALSE(over) << "reported twice";
        over = r.game_over;
        reported_at = wall;
      }
    }
    ASSERT_TRUE(over);
    ASSERT_GE(tune_at, 0);
    EXPECT_GE(reported_at - tune_at, 5800) << "greeted only after the game-over tune";
    EXPECT_EQ(over->skill, row.skill);
    EXPECT_EQ(over->score, row.score);
    EXPECT_EQ(over->new_best, row.new_best);
    EXPECT_EQ(host.best_scores()[row.skill], row.best_after);
    for (int s = 1; s <= 4; ++s)
      if (s != row.skill) {
        EXPECT_EQ(host.best_scores()[s], 7) << "another level's best moved";
      }
    EXPECT_FALSE(host.game_running());
  }
  host.action(ActPower, true);  // off: no game ended
  for (const std::int64_t until = wall + 8000; wall < until; wall += 10) EXPECT_FALSE(host.clock_reached().game_over);
}

TEST_F(Host, TheControllerOverlaysFollowTheMenu) {
  host.set_controller_overlays(true);
  const HostReport off = host.set_controller_overlays(false);
  EXPECT_FALSE(host.console().CtrlrOverlay);
  EXPECT_TRUE(off.changed.test(btn_ctrlr_overlay_left));
  EXPECT_FALSE(host.console().board[btn_ctrlr_overlay_left].visible);
}

TEST(HostVirtualClock, AdvanceRunsEveryTickAtItsExactTime) {
  ConsoleHost host;
  host.console().FormCreate();
  host.console().timers.Start(TimerId::Timer_Phase1_Enemy_Row8, 16);
  int ticks = 0;
  host.console().timers.set_handler([&](TimerId) { ++ticks; });
  host.advance(15984);
  EXPECT_EQ(ticks, 999);
  EXPECT_EQ(host.game_time(), 15984);
}

}  // namespace
}  // namespace vx
