// Fuzzes the scripts' reading and the console behind them with arbitrary scripts,
// as the runners read them: the whole script is checked first (waits and random
// values of any length), then run. A wait runs its first two seconds tick by tick
// and jumps the rest, as the real clock does after a stall, so that waits up to
// the longest reach the clock without making each input slow.
#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>

#include "script/script_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  vx::ScriptRunner runner(out, 1, false);
  vx::TimerSet& timers = runner.console().timers;
  vx::ScriptHooks hooks;
  hooks.wait = [&timers](std::int64_t ms, int) {
    try {
      const std::int64_t ticked = std::min<std::int64_t>(ms, 2000);
      timers.advance(ticked);
      timers.dispatch(timers.now() + (ms - ticked));
    } catch (const vx::QueuedDrawError& e) {
      throw vx::ScriptError(e.line, e.what());
    }
  };
  vx::ScriptCommands commands(runner.console(), out, hooks);
  try {
    const std::vector<std::string> lines = vx::read_script_lines(in);
    for (std::size_t i = 0; i < lines.size(); ++i) commands.run_line(lines[i], static_cast<int>(i + 1));
  } catch (const vx::ScriptError&) {
  }
  if (timers.now() < 0 || timers.now() > vx::kMaxScriptWaitMs) std::abort();  // the waits stay within their limit
  return 0;
}
