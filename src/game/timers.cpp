#include "game/timers.h"

#include <algorithm>

namespace vx {
namespace {

constexpr std::array<std::string_view, kTimerCount> kNames{
#define VX_TIMER_NAME(name) #name,
    VX_TIMERS(VX_TIMER_NAME)
#undef VX_TIMER_NAME
};

}  // namespace

std::string_view timer_name(TimerId id) { return kNames[static_cast<int>(id)]; }

std::optional<TimerId> timer_by_name(std::string_view name) {
  for (int i = 0; i < kTimerCount; ++i)
    if (kNames[i] == name) return static_cast<TimerId>(i);
  return std::nullopt;
}

void TimerSet::SetInterval(TimerId id, int ms) {
  Entry& e = t_[idx(id)];
  if (e.interval == ms) return;
  e.interval = ms;
  if (e.enabled) e.due = now_ + ms;
}

void TimerSet::SetEnabled(TimerId id, bool on) {
  Entry& e = t_[idx(id)];
  if (e.enabled == on) return;
  e.enabled = on;
  if (on) e.due = now_ + e.interval;
}

std::optional<std::int64_t> TimerSet::remaining(TimerId id) const {
  const Entry& e = t_[idx(id)];
  if (!e.enabled) return std::nullopt;
  return e.due - now_;
}

std::optional<std::int64_t> TimerSet::next_due() const {
  std::optional<std::int64_t> best;
  for (const Entry& e : t_)
    if (e.enabled && e.interval >= 1 && (!best || e.due < *best)) best = e.due;
  return best;
}

void TimerSet::dispatch(std::int64_t now) {
  now_ = std::max(now_, std::min(now, kClockEnd));
  for (;;) {
    int pick = -1;
    for (int i = 0; i < kTimerCount; ++i) {
      const Entry& e = t_[i];
      if (e.enabled && e.interval >= 1 && e.due <= now_ && (pick < 0 || e.due < t_[pick].due)) pick = i;
    }
    if (pick < 0) return;
    Entry& e = t_[pick];
    const std::int64_t due = e.due;
    e.due = due + e.interval;
    if (e.due <= now_) e.due = now_ + e.interval;
    const auto id = static_cast<TimerId>(pick);
    if (trace_) trace_(id, due, now_);
    if (handler_) handler_(id);
  }
}

void TimerSet::advance(std::int64_t ms) {
  const std::int64_t target = now_ + std::clamp<std::int64_t>(ms, 0, kClockEnd - now_);
  for (;;) {
    const auto due = next_due();
    if (!due || *due > target) break;
    dispatch(std::max(*due, now_));
  }
  now_ = target;
}

}  // namespace vx
