// The desktop program's command line, read before any window exists (so --help
// and --version work without a display).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vx {

struct CommandLine {
  bool help = false, version = false;
  std::optional<std::filesystem::path> data_dir;  // --data-dir DIR
  std::optional<std::uint32_t> seed;              // --seed N
  bool no_dialogs = false;                        // --no-dialogs
  bool portable = false;                          // --portable
  std::optional<std::filesystem::path> script;    // --script FILE
  std::optional<std::filesystem::path> screenshot;  // --screenshot FILE
  std::optional<int> quit_after_ms;               // --quit-after MS
  // Measurement: traces of the timers' ticks and of the key path.
  std::optional<std::filesystem::path> trace_timers, trace_input, trace_startup;
};

// Parses the arguments after the program's name; on a fault, `error` says what is wrong.
std::optional<CommandLine> parse_command_line(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;

}  // namespace vx
