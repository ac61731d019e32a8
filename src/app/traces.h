// The program's measurement traces, written while it runs (for the benchmarks and
// for looking into a player's report of lag):
//  --trace-timers FILE: a line per timer tick, "<timer> <due> <ran> <interval>",
//    in microseconds of the game's clock (zero when the window was created, and
//    standing still while the game is paused);
//  --trace-input FILE: "first-paint <t>" when the console is first painted, then
//    "key <arrived> <shown>" per key press, from its arrival at the window to the
//    end of the paint that shows it ("-" when the press changed nothing on the
//    screen), in microseconds since the epoch.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace vx {

class TForm1;

class TraceFile {
 public:
  // Opens (truncates) the file; `error` says why not.
  bool open(const std::filesystem::path& file, std::string& error);
  ~TraceFile();
  std::FILE* get() const { return file_; }

 private:
  std::FILE* file_ = nullptr;
};

// Writes every tick of the window's timers to `out` from now on.
void trace_timers(TForm1& form, std::FILE* out);

// The end of start-up for --trace-startup: the first paint, then who holds the
// memory: the console's pictures by size, the painter's converted copies, the
// back buffer, the sound samples.
void trace_first_paint(TForm1& form);

// Watches the window's key presses and paints and writes them to `out`.
class InputTrace {
 public:
  InputTrace(TForm1& form, std::FILE* out);
  // Called at the end of every paint of the window.
  void painted();

 private:
  struct Press {
    std::int64_t arrived;
    bool shows;  // false: it changed nothing on the screen
  };
  // Writes the waiting presses in their order, the shown ones as painted then.
  void write_waiting(std::int64_t painted);

  std::FILE* out_;
  bool first_paint_ = true;
  std::vector<Press> waiting_;  // presses not yet written
};

}  // namespace vx
