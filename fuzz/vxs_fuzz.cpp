// Fuzzes the scenario runner's line parser and the console behind it with
// arbitrary scripts. Long waits are cut to keep each input quick.
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "script_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::ostringstream out;
  vx::ScriptRunner runner(out, 1, false);
  std::size_t start = 0;
  int line_no = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++line_no;
    if (line.rfind("wait", 0) == 0 && line.size() > 11) continue;  // at most 6 digits of waiting
    try {
      runner.run_line(line, line_no);
    } catch (const vx::ScriptError&) {
      break;
    }
  }
  return 0;
}
