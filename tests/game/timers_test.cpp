// The timer set's contract, on its own: what restarts a countdown and what does
// not, dispatch order, handlers that re-arm, exact long-run timing, and the end of
// the clock.
#include "game/timers.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <vector>

namespace vx {
namespace {

using T = TimerId;

struct Log {
  TimerSet ts;
  std::vector<std::string> ticks;
  Log() {
    ts.set_handler(
        [this](TimerId id) { ticks.push_back(std::to_string(ts.now()) + " " + std::string(timer_name(id))); });
  }
};

TEST(Timers, StartDisabledWithIntervalOne) {
  TimerSet ts;
  for (int i = 0; i < kTimerCount; ++i) {
    EXPECT_FALSE(ts.Enabled(static_cast<T>(i)));
    EXPECT_EQ(ts.Interval(static_cast<T>(i)), 1);
  }
  EXPECT_FALSE(ts.next_due());
  EXPECT_FALSE(timer_by_name("Timer_Nothing"));
}

TEST(Timers, EveryTimerHasItsOwnNameAndTheNameMapsBack) {
  std::set<std::string_view> names;
  for (int i = 0; i < kTimerCount; ++i) {
    const std::string_view name = timer_name(static_cast<T>(i));
    EXPECT_TRUE(name.starts_with("Timer_")) << name;
    EXPECT_TRUE(names.insert(name).second) << "two timers named " << name;
    EXPECT_EQ(timer_by_name(name), static_cast<T>(i)) << name;
  }
}

TEST(Timers, SameIntervalKeepsTheCountdownNewIntervalRestartsIt) {
  Log l;
  l.ts.Start(T::Timer_Keypress, 300);
  l.ts.advance(200);
  l.ts.SetInterval(T::Timer_Keypress, 300);  // same: next tick still at 300
  l.ts.SetEnabled(T::Timer_Keypress, true);  // already enabled: nothing
  l.ts.advance(100);
  ASSERT_EQ(l.ticks, std::vector<std::string>{"300 Timer_Keypress"});
  l.ts.advance(100);                         // t = 400
  l.ts.SetInterval(T::Timer_Keypress, 250);  // different: due 650
  l.ts.advance(249);
  EXPECT_EQ(l.ticks.size(), 1u);
  l.ts.advance(1);
  EXPECT_EQ(l.ticks.back(), "650 Timer_Keypress");
}

TEST(Timers, DisableThenEnableRestartsTheCountdown) {
  Log l;
  l.ts.Start(T::Timer_Keypress, 300);
  l.ts.advance(250);
  l.ts.SetEnabled(T::Timer_Keypress, false);
  l.ts.SetEnabled(T::Timer_Keypress, false);  // disabling a disabled timer: nothing
  l.ts.SetEnabled(T::Timer_Keypress, true);   // due 550
  l.ts.advance(299);
  EXPECT_TRUE(l.ticks.empty());
  l.ts.advance(1);
  EXPECT_EQ(l.ticks, std::vector<std::string>{"550 Timer_Keypress"});
  // A new interval set while disabled takes effect from the enable.
  l.ts.SetEnabled(T::Timer_Keypress, false);
  l.ts.SetInterval(T::Timer_Keypress, 40);
  l.ts.advance(100);
  l.ts.SetEnabled(T::Timer_Keypress, true);
  l.ts.advance(40);
  EXPECT_EQ(l.ticks.back(), "690 Timer_Keypress");
}

TEST(Timers, TiesRunInTableOrderAndEarlierDueFirst) {
  Log l;
  // Row7 is enabled first, but Row8 comes first in the table.
  l.ts.Start(T::Timer_Phase1_Enemy_Row7, 200);
  l.ts.Start(T::Timer_Phase1_Enemy_Row8, 200);
  l.ts.Start(T::Timer_Phase123_Enemy_Fire, 150);
  l.ts.advance(400);
  EXPECT_EQ(l.ticks, (std::vector<std::string>{"150 Timer_Phase123_Enemy_Fire", "200 Timer_Phase1_Enemy_Row8",
                                               "200 Timer_Phase1_Enemy_Row7", "300 Timer_Phase123_Enemy_Fire",
                                               "400 Timer_Phase1_Enemy_Row8", "400 Timer_Phase1_Enemy_Row7"}));
}

TEST(Timers, HandlersReArmDisableAndStartOthers) {
  TimerSet ts;
  std::vector<std::string> ticks;
  int step = 1;
  ts.set_handler([&](TimerId id) {
    ticks.push_back(std::to_string(ts.now()) + " " + std::string(timer_name(id)));
    if (id == T::Timer_Game_Start) {
      // A sequence: 1 ms, then 100 ms, then the same 100 ms, then stop and hand over.
      if (step == 1) ts.SetInterval(id, 100);
      if (step == 3) {
        ts.SetEnabled(id, false);
        ts.Start(T::Timer_Keypress, 1);  // 1 ms: the next dispatch, not this one
      }
      ++step;
    } else {
      ts.SetEnabled(id, false);
    }
  });
  ts.Start(T::Timer_Game_Start, 1);
  ts.advance(1000);
  EXPECT_EQ(ticks, (std::vector<std::string>{"1 Timer_Game_Start", "101 Timer_Game_Start", "201 Timer_Game_Start",
                                             "202 Timer_Keypress"}));
  EXPECT_FALSE(ts.next_due());
}

TEST(Timers, NoBurstAfterFallingBehind) {
  Log l;
  l.ts.Start(T::Timer_Phase4_Dock, 16);
  l.ts.dispatch(100);  // the real clock came late: one tick, not six
  EXPECT_EQ(l.ticks.size(), 1u);
  EXPECT_EQ(l.ts.next_due(), 116);
  // One period late only: the next tick keeps its place in the rhythm.
  l.ts.dispatch(130);
  EXPECT_EQ(l.ticks.size(), 2u);
  EXPECT_EQ(l.ts.next_due(), 132);
}

TEST(Timers, ExactLongRunTiming) {
  TimerSet ts;
  int ticks = 0;
  std::int64_t last = 0;
  ts.set_handler([&](TimerId) {
    last = ts.now();
    if (++ticks == 999) ts.SetEnabled(T::Timer_Phase4_Dock, false);
  });
  ts.Start(T::Timer_Phase4_Dock, 16);
  ts.advance(60000);
  EXPECT_EQ(ticks, 999);
  EXPECT_EQ(last, 15984);
  EXPECT_EQ(ts.now(), 60000);
}

TEST(Timers, IntervalBelowOneNeverFires) {
  Log l;
  l.ts.Start(T::Timer_Demo_2, 0);
  l.ts.advance(1000);
  EXPECT_TRUE(l.ticks.empty());
}

TEST(Timers, TheClockStopsAtItsEndNeverWrapsAndNeverRunsBackwards) {
  Log l;
  l.ts.advance(std::numeric_limits<std::int64_t>::max());
  ASSERT_EQ(l.ts.now(), kClockEnd);
  l.ts.advance(1000);
  ASSERT_EQ(l.ts.now(), kClockEnd);
  l.ts.advance(-1000);
  ASSERT_EQ(l.ts.now(), kClockEnd);
  // A timer started at the end is due within 64 bits, and a clock that jumps far
  // ahead gets one tick, not a burst.
  Log jump;
  jump.ts.Start(T::Timer_Keypress, 300);
  jump.ts.dispatch(std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(jump.ticks, std::vector<std::string>{std::to_string(kClockEnd) + " Timer_Keypress"});
  EXPECT_EQ(jump.ts.remaining(T::Timer_Keypress), 300);
  jump.ts.SetInterval(T::Timer_Keypress, std::numeric_limits<int>::max());
  EXPECT_EQ(jump.ts.next_due(), std::numeric_limits<std::int64_t>::max());
}

}  // namespace
}  // namespace vx
