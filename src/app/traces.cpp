#include "app/traces.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <chrono>
#include <cstring>

#include "display/console_window.h"
#include "platform/startup_trace.h"
#include "sound/fsound.h"

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

void trace_first_paint(TForm1& form) {
  startup_phase("first-paint");
  struct Bucket {
    const char* owner;
    std::int64_t up_to;  // pixels
    int count = 0;
    std::int64_t bytes = 0;
  };
  Bucket buckets[] = {{"pictures-up-to-1k-pixels", 1024},
                      {"pictures-up-to-16k-pixels", 16384},
                      {"pictures-up-to-128k-pixels", 131072},
                      {"pictures-larger", INT64_MAX}};
  std::vector<const Picture*> seen;
  const SpriteBoard& board = form.host().console().board;
  for (ElementId id = 0; id < kElementCount; ++id) {
    const Picture* p = board[id].picture.get();
    if (!p || std::find(seen.begin(), seen.end(), p) != seen.end()) continue;
    seen.push_back(p);
    for (Bucket& b : buckets)
      if (std::int64_t{p->width} * p->height <= b.up_to) {
        ++b.count;
        b.bytes += static_cast<std::int64_t>(p->argb.size() * sizeof(std::uint32_t));
        break;
      }
  }
  for (const Bucket& b : buckets) startup_memory(b.owner, b.count, b.bytes);
  const auto [copies, copy_bytes] = form.console_frame().painter().converted();
  startup_memory("painter-copies", copies, copy_bytes);
  startup_memory("back-buffer", 1, form.frame().sizeInBytes() + form.console_frame().shape().sizeInBytes());
  const auto [samples, sample_bytes] = fsound_samples_held();
  startup_memory("samples", samples, sample_bytes);
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
