// The commands of a .vxs script, one line at a time, run against a console: shared
// by the scenario runner (the virtual clock) and the desktop program's --script
// (the real clock), which each decide what `wait`, `press`, `release` and `rng` do.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game/console_state.h"

namespace vx {

// What a script may ask of the clock and the generator: a wait, and all of a
// script's waits together, at most 2147483647 ms (the real clock's timers count
// in signed 32 bits); a forced random value 0 to 4294967295.
inline constexpr std::int64_t kMaxScriptWaitMs = 2147483647;
inline constexpr std::int64_t kMaxScriptRandom = 4294967295;

struct ScriptError : std::runtime_error {
  ScriptError(int line, const std::string& what) : std::runtime_error(what), line(line) {}
  int line;
};

struct ScriptHooks {
  // `wait MS`; unset: the console's virtual clock advances by MS.
  std::function<void(std::int64_t ms, int line)> wait;
  // `press` and `release`; unset: the action's inp_ operation runs.
  std::function<void(Action action, bool down)> act;
  // `rng V`, once per value; unset: the value is queued on the console's generator.
  std::function<void(std::int64_t value, int line)> rng;
  // The "sounds" of a dump (a JSON array of what played since the previous dump);
  // unset: a dump has no "sounds" key.
  std::function<std::string()> sounds;
  // A command of the player's own (its name in words[0]): true when it ran;
  // unset, or false: an unknown command.
  std::function<bool(const std::vector<std::string_view>& words, int line)> other;
};

// Reads a script's lines and checks, before any of them runs, that each `wait`
// and all of them together stay within kMaxScriptWaitMs and each `rng` value
// within 0..kMaxScriptRandom. Throws ScriptError naming the first line that does
// not; other faults are found when their line runs.
std::vector<std::string> read_script_lines(std::istream& in);

class ScriptCommands {
 public:
  ScriptCommands(Console& console, std::ostream& out, ScriptHooks hooks = {})
      : k_(console), out_(out), hooks_(std::move(hooks)) {}

  // Runs one script line; throws ScriptError naming the line.
  void run_line(std::string_view line, int line_no);

  std::string dump();
  std::string show() const;

 private:
  void set_command(const std::vector<std::string_view>& w, int line_no);

  Console& k_;
  std::ostream& out_;
  ScriptHooks hooks_;
};

}  // namespace vx
