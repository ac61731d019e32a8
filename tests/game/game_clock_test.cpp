// Pausing the game: the game clock stands still while the wall clock runs on, and
// after the pause the console carries on as if the pause had never been, every
// timer with the time it had left (a shot in flight, phase 4's countdown).
#include "game/game_clock.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "game/console_state.h"

namespace vx {
namespace {

// What a player would see change: the timers' remaining times and the state the
// shot, the ship, the shuttle and the dock live in.
struct Snapshot {
  std::map<std::string, std::int64_t> remaining;
  std::string fire, enemy;
  int ShotCol, ShipCol, Score, Phase, DockCountdown, DockCol, DockTick, ShuttleRow;
  bool operator==(const Snapshot&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Snapshot& s) {
  os << "Phase " << s.Phase << " shot col " << s.ShotCol << " dock " << s.DockCountdown << "/" << s.DockCol << "/"
     << s.DockTick << " shuttle " << s.ShuttleRow << " fire " << s.fire << " timers:";
  for (const auto& [name, ms] : s.remaining) os << " " << name << "=" << ms;
  return os;
}

// A console driven the way the desktop program drives it: the wall clock moves on
// in 1 ms steps and each step dispatches at the game clock's time.
struct WallRun {
  Console k;
  GameClock clock;
  std::int64_t wall = 0;

  WallRun() {
    k.FormCreate();
    k.random.seed(7);
  }
  void run_wall(std::int64_t ms) {
    for (std::int64_t i = 0; i < ms; ++i) k.timers.dispatch(clock.now(++wall));
  }
  Snapshot snapshot() {
    Snapshot s{};
    for (int i = 0; i < kTimerCount; ++i)
      if (const auto left = k.timers.remaining(static_cast<TimerId>(i)))
        s.remaining[std::string(timer_name(static_cast<TimerId>(i)))] = *left;
    k.Debug_aFire();
    k.Debug_aEnemy();
    s.fire = k.la_debug_aFire;
    s.enemy = k.la_debug_aEnemy;
    s.ShotCol = k.ShotCol;
    s.ShipCol = k.ShipCol;
    s.Score = k.Score;
    s.Phase = k.Phase;
    s.DockCountdown = k.DockCountdown;
    s.DockCol = k.DockCol;
    s.DockTick = k.DockTick;
    s.ShuttleRow = k.ShuttleRow;
    return s;
  }
};

// A game started at skill 1 with a shot fired 3201 ms in, 120 ms into its flight.
void shot_in_flight(WallRun& r) {
  r.k.GameMode = 2;
  r.k.Skill = 1;
  r.k.inp_start_down();
  r.k.inp_start_up();
  r.run_wall(3201);
  ASSERT_EQ(r.k.Phase, 1);
  r.k.inp_fire_down();
  r.k.inp_fire_up();
  r.run_wall(120);
  ASSERT_TRUE(r.k.ShotInFlight);
}

// Phase 3 completing into phase 4, then 3 s of the docking countdown.
void docking(WallRun& r) {
  Console& k = r.k;
  k.GameMode = 3;
  k.Skill = 1;
  k.Phase = 3;
  k.ShipCol = 3;
  k.Lives = 4;
  k.Score = 2500;
  k.EnemiesLeft = 0;
  k.Step = 0;
  k.start_timer(TimerId::Timer_Phase3_Complete, 100);
  r.run_wall(11300 + 3000);
  ASSERT_EQ(k.Phase, 4);
  ASSERT_LT(k.DockCountdown, 999);
  ASSERT_GT(k.DockCountdown, 700);
}

void pause_resumes_where_it_stopped(void (*set_up)(WallRun&), TimerId must_run) {
  WallRun paused, never_paused;
  set_up(paused);
  set_up(never_paused);
  const Snapshot before = paused.snapshot();
  ASSERT_TRUE(before.remaining.count(std::string(timer_name(must_run)))) << before;

  paused.clock.pause(paused.wall);
  paused.run_wall(10000);
  EXPECT_EQ(paused.snapshot(), before) << "nothing moves while paused";
  paused.clock.resume(paused.wall);
  EXPECT_EQ(paused.snapshot(), before) << "resuming changes nothing by itself";

  // From here on both consoles live the same life, tick for tick.
  for (int step = 0; step < 40; ++step) {
    paused.run_wall(50);
    never_paused.run_wall(50);
    ASSERT_EQ(paused.snapshot(), never_paused.snapshot()) << "after " << (step + 1) * 50 << " ms";
  }
}

TEST(PauseClock, ShotInFlightKeepsItsRemainingTimeOverTenSeconds) {
  pause_resumes_where_it_stopped(shot_in_flight, TimerId::Timer_Phase123_Player_Fire);
  WallRun r;
  shot_in_flight(r);
  // 120 ms after the press the shot has climbed a row at 80 ms and is 40 ms from the next.
  EXPECT_EQ(r.k.timers.remaining(TimerId::Timer_Phase123_Player_Fire), 40);
}

TEST(PauseClock, DockingCountdownKeepsItsRemainingTimeOverTenSeconds) {
  pause_resumes_where_it_stopped(docking, TimerId::Timer_Phase4_Dock);
}

TEST(PauseClock, PausesAddUpAndRepeatedCallsChangeNothing) {
  GameClock c;
  EXPECT_EQ(c.now(500), 500);
  c.resume(600);  // not paused: nothing
  EXPECT_EQ(c.now(700), 700);
  c.pause(1000);
  c.pause(1500);  // already paused: the first pause counts
  EXPECT_TRUE(c.paused());
  EXPECT_EQ(c.now(9000), 1000);
  c.resume(3000);
  EXPECT_FALSE(c.paused());
  EXPECT_EQ(c.now(3000), 1000);
  c.pause(4000);
  c.resume(4500);
  EXPECT_EQ(c.now(5000), 2500) << "two pauses of 2000 and 500 ms";
}

TEST(PauseClock, RemainingIsTheTimeToTheNextTickOfAnEnabledTimer) {
  TimerSet ts;
  EXPECT_FALSE(ts.remaining(TimerId::Timer_Keypress));
  ts.Start(TimerId::Timer_Keypress, 300);
  ts.advance(120);
  EXPECT_EQ(ts.remaining(TimerId::Timer_Keypress), 180);
  ts.advance(180);  // ticks, and the next is a whole interval away
  EXPECT_EQ(ts.remaining(TimerId::Timer_Keypress), 300);
  ts.SetEnabled(TimerId::Timer_Keypress, false);
  EXPECT_FALSE(ts.remaining(TimerId::Timer_Keypress));
}

}  // namespace
}  // namespace vx
