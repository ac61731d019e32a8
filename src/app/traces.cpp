#include "app/traces.h"

#include <cerrno>
#include <chrono>
#include <cstring>

#include "display/console_window.h"

namespace vx {
namespace {

std::int64_t epoch_us() {
  using namespace std::chrono;
  return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

bool TraceFile::open(const std::filesystem::path& file, std::string& error) {
  file_ = std::fopen(file.c_str(), "w");
  if (!file_) error = file.string() + ": the trace cannot be written (" + std::strerror(errno) + ")";
  return file_ != nullptr;
}

TraceFile::~TraceFile() {
  if (file_) std::fclose(file_);
}

void trace_timers(TForm1& form, std::FILE* out) {
  TimerSet& timers = form.host().console().timers;
  // Called as each tick starts: its due time is in whole milliseconds of the
  // game's clock; the moment it runs is read from the same clock in microseconds.
  timers.set_trace([&form, &timers, out](TimerId id, std::int64_t due, std::int64_t) {
    const std::int64_t ran = form.game_time_us();
    const std::string_view name = timer_name(id);
    std::fprintf(out, "%.*s %lld %lld %lld\n", static_cast<int>(name.size()), name.data(),
                 static_cast<long long>(due * 1000), static_cast<long long>(ran),
                 static_cast<long long>(timers.Interval(id)) * 1000);
  });
}

InputTrace::InputTrace(TForm1& form, std::FILE* out) : out_(out) {
  form.on_key_arrival = [this] { waiting_.push_back({epoch_us(), true}); };
  form.on_key_handled = [this](bool repaints) {
    if (waiting_.empty() || repaints) return;
    waiting_.back().shows = false;
    if (waiting_.size() == 1) write_waiting(0);  // nothing earlier waits for a paint
  };
}

void InputTrace::write_waiting(std::int64_t painted) {
  for (const Press& press : waiting_) {
    if (press.shows)
      std::fprintf(out_, "key %lld %lld\n", static_cast<long long>(press.arrived), static_cast<long long>(painted));
    else
      std::fprintf(out_, "key %lld -\n", static_cast<long long>(press.arrived));
  }
  waiting_.clear();
}

void InputTrace::painted() {
  const std::int64_t now = epoch_us();
  if (first_paint_) std::fprintf(out_, "first-paint %lld\n", static_cast<long long>(now));
  first_paint_ = false;
  write_waiting(now);
}

}  // namespace vx
