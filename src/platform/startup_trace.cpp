#include "platform/startup_trace.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <string>

namespace vx {
namespace {

std::FILE* trace = nullptr;

long resident_kb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

}  // namespace

void trace_startup_to(std::FILE* out) { trace = out; }
bool tracing_startup() { return trace != nullptr; }

void startup_phase(std::string_view name) {
  if (!trace) return;
  using namespace std::chrono;
  const auto now = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
  timespec cpu{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
  std::fprintf(trace, "phase %.*s %lld %lld %ld\n", static_cast<int>(name.size()), name.data(),
               static_cast<long long>(now), static_cast<long long>(cpu.tv_sec) * 1000000 + cpu.tv_nsec / 1000,
               resident_kb());
  std::fflush(trace);
}

void startup_memory(std::string_view owner, std::int64_t count, std::int64_t bytes) {
  if (!trace) return;
  std::fprintf(trace, "memory %.*s %lld %lld\n", static_cast<int>(owner.size()), owner.data(),
               static_cast<long long>(count), static_cast<long long>(bytes));
  std::fflush(trace);
}

}  // namespace vx
