// The start-up trace (--trace-startup FILE): a line as each phase of start-up
// ends, "phase <name> <t> <cpu> <rss>" (t in microseconds since the epoch, the
// process's CPU time in microseconds, its resident memory in kB), and, at the
// first paint, who holds the memory: "memory <owner> <count> <bytes>".
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>

namespace vx {

// From now on the trace goes to `out` (null: nowhere).
void trace_startup_to(std::FILE* out);
bool tracing_startup();
void startup_phase(std::string_view name);
void startup_memory(std::string_view owner, std::int64_t count, std::int64_t bytes);

}  // namespace vx
