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
