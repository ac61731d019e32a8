// The console's 29 timers and the clock that drives them.
//
// Contract (every handler of the game relies on it):
//  - Each timer has an Interval in whole milliseconds and an Enabled flag; all
//    start disabled with interval 1.
//  - Setting Interval to a different value while enabled restarts the countdown:
//    due := now + interval. Setting the value it already has changes nothing.
//  - Enabling a disabled timer sets due := now + interval. Enabling an enabled
//    timer, or disabling a disabled one, changes nothing. Disable-then-enable
//    therefore restarts the countdown.
//  - dispatch(now): while some enabled timer has due <= now, take the one with the
//    smallest due (ties: table order, Timer_Demo_1 first), set its due := due +
//    interval and run its handler to its end. A handler that re-arms (new interval,
//    disable/enable) overrides that due. A timer that has fallen more than one
//    period behind gets due := now + interval: ticks never burst to catch up.
//  - An interval of 1 ms therefore runs at the next dispatch, 1 ms later on the
//    virtual clock. An interval below 1 never fires.
//  - advance(ms) is the virtual clock: it moves time forward to every due moment in
//    turn and dispatches there, so timing is exact (999 ticks of 16 ms end at 15 984 ms).
//  - Time never runs backwards, and stops at kClockEnd (some 290 million years):
//    a due time, at most the end plus one interval, always fits in 64 bits.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string_view>

// The 29 timers, one list in table order (the order ties are broken in): the
// enum, the names, the dispatch to each timer's handler `<name>Timer`, and the
// scripts' `timer` and `call` rows are all made from it.
#define VX_TIMERS(X)                     \
  X(Timer_Demo_1)                        \
  X(Timer_Demo_2)                        \
  X(Timer_Game_Start)                    \
  X(Timer_Game_Over)                     \
  X(Timer_Keypress)                      \
  X(Timer_Phase123_Player_Fire)          \
  X(Timer_Phase123_Enemy_Fire)           \
  X(Timer_Phase123_Miss)                 \
  X(Timer_Phase1_Enemy_Row8)             \
  X(Timer_Phase1_Enemy_Row7)             \
  X(Timer_Phase1_Enemy_Attacking)        \
  X(Timer_Phase1_Enemy_Rows78_Hit)       \
  X(Timer_Phase1_Enemy_Attacking_Hit)    \
  X(Timer_Phase1_Reprise)                \
  X(Timer_Phase1_Complete)               \
  X(Timer_Phase2_Enemy_Attacking)        \
  X(Timer_Phase2_Enemy_Attacking_Hit)    \
  X(Timer_Phase2_Reprise)                \
  X(Timer_Phase2_Complete)               \
  X(Timer_Phase3_Mothership)             \
  X(Timer_Phase3_Mothership_Hit)         \
  X(Timer_Phase3_Reprise)                \
  X(Timer_Phase3_Complete)               \
  X(Timer_Phase4_Shuttle_Thrust)         \
  X(Timer_Phase4_Shuttle_Thrust_Display) \
  X(Timer_Phase4_Shuttle_Down)           \
  X(Timer_Phase4_Dock)                   \
  X(Timer_Phase4_Miss_Dock)              \
  X(Timer_Phase4_Bonus)

namespace vx {

inline constexpr std::int64_t kClockEnd = std::numeric_limits<std::int64_t>::max() - std::numeric_limits<int>::max();

enum class TimerId : int {
#define VX_TIMER_ID(name) name,
  VX_TIMERS(VX_TIMER_ID)
#undef VX_TIMER_ID
};
inline constexpr int kTimerCount = 0
#define VX_TIMER_COUNT(name) +1
    VX_TIMERS(VX_TIMER_COUNT)
#undef VX_TIMER_COUNT
    ;
static_assert(kTimerCount == 29);

std::string_view timer_name(TimerId id);
std::optional<TimerId> timer_by_name(std::string_view name);

class TimerSet {
 public:
  using Handler = std::function<void(TimerId)>;
  // Called before each handler runs: the timer, the time it was due, the time it ran.
  using Trace = std::function<void(TimerId, std::int64_t due, std::int64_t now)>;

  void set_handler(Handler h) { handler_ = std::move(h); }
  void set_trace(Trace t) { trace_ = std::move(t); }

  int Interval(TimerId id) const { return t_[idx(id)].interval; }
  bool Enabled(TimerId id) const { return t_[idx(id)].enabled; }
  void SetInterval(TimerId id, int ms);
  void SetEnabled(TimerId id, bool on);
  // Interval then Enabled, the common way to start a timer.
  void Start(TimerId id, int ms) {
    SetInterval(id, ms);
    SetEnabled(id, true);
  }

  std::int64_t now() const { return now_; }
  // The time left until the timer's next tick; none while it is disabled.
  std::optional<std::int64_t> remaining(TimerId id) const;
  // The earliest due time of an enabled timer.
  std::optional<std::int64_t> next_due() const;
  // Sets the clock to `now` (never backwards, never past kClockEnd) and runs every
  // tick due by then.
  void dispatch(std::int64_t now);
  // Virtual clock: advances by `ms` (none when negative, up to kClockEnd at most),
  // dispatching each tick at its exact due time.
  void advance(std::int64_t ms);

 private:
  struct Entry {
    int interval = 1;
    bool enabled = false;
    std::int64_t due = 0;
  };
  static int idx(TimerId id) { return static_cast<int>(id); }

  std::array<Entry, kTimerCount> t_{};
  std::int64_t now_ = 0;
  Handler handler_;
  Trace trace_;
};

}  // namespace vx
