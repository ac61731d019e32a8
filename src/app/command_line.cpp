#include "app/command_line.h"

#include <charconv>

namespace vx {

const char* const kUsage =
    "usage: vornix-simulator [OPTION]...\n"
    "The Vornix (Orvane) Simulator: a tabletop space shooter with a fluorescent screen.\n"
    "\n"
    "  --data-dir DIR       the folder with Config.ini, the skins and the sounds\n"
    "                       (default: the program's folder, else ../share/vornix-simulator)\n"
    "  --seed N             seed the random generator with N instead of the clock\n"
    "  --no-dialogs         write error messages to standard error instead of showing them\n"
    "  --portable           keep the settings in Vornix50.ini in the data folder instead of\n"
    "                       the user's configuration folder (also when portable.ini lies\n"
    "                       beside the program)\n"
    "  --script FILE        play a .vxs script on the shown console in real time (as\n"
    "                       vornix-script does, but rng; use --seed), then end the program\n"
    "  --screenshot FILE    with --quit-after: save the console window as a PNG picture\n"
    "  --quit-after MS      end the program after MS milliseconds of running\n"
    "  --trace-timers FILE  write each timer tick: name, due, ran, interval (microseconds)\n"
    "  --trace-input FILE   write the first paint, then each key press's arrival and the\n"
    "                       end of the paint that shows it (microseconds since the epoch)\n"
    "  --trace-startup FILE write each phase of start-up as it ends (time, CPU time,\n"
    "                       resident memory) and who holds the memory at the first paint\n"
    "  --help               show this text\n"
    "  --version            show the version\n";

namespace {
template <typename T>
bool number(const std::string& text, T& out) {
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && p == end;
}
}  // namespace

std::optional<CommandLine> parse_command_line(const std::vector<std::string>& args, std::string& error) {
  CommandLine cl;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) {
        error = a + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    std::string v;
    if (a == "--help" || a == "-h") {
      cl.help = true;
    } else if (a == "--version") {
      cl.version = true;
    } else if (a == "--no-dialogs") {
      cl.no_dialogs = true;
    } else if (a == "--portable") {
      cl.portable = true;
    } else if (a == "--script") {
      if (!value(v)) return std::nullopt;
      cl.script = v;
    } else if (a == "--data-dir") {
      if (!value(v)) return std::nullopt;
      cl.data_dir = v;
    } else if (a == "--screenshot") {
      if (!value(v)) return std::nullopt;
      cl.screenshot = v;
    } else if (a == "--seed") {
      if (!value(v)) return std::nullopt;
      std::uint32_t n;
      if (!number(v, n)) {
        error = "--seed needs a whole number from 0 to 4294967295, not \"" + v + "\"";
        return std::nullopt;
      }
      cl.seed = n;
    } else if (a == "--quit-after") {
      if (!value(v)) return std::nullopt;
      int n;
      if (!number(v, n) || n < 0) {
        error = "--quit-after needs a number of milliseconds, not \"" + v + "\"";
        return std::nullopt;
      }
      cl.quit_after_ms = n;
    } else if (a == "--trace-timers" || a == "--trace-input" || a == "--trace-startup") {
      if (!value(v)) return std::nullopt;
      (a == "--trace-timers" ? cl.trace_timers : a == "--trace-input" ? cl.trace_input : cl.trace_startup) = v;
    } else {
      error = "unknown option \"" + a + "\"";
      return std::nullopt;
    }
  }
  if (cl.screenshot && !cl.quit_after_ms) {
    error = "--screenshot needs --quit-after MS";
    return std::nullopt;
  }
  return cl;
}

}  // namespace vx
