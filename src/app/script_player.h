// --script FILE: plays a .vxs script on the shown console against the real clock,
// so the real program can be put into any state (benchmarks, a player's report).
// The script starts when the console is first painted; `wait` waits in real time
// (measured from the script's start, so waits do not add up drift); `press` and
// `release` arrive at the window as key events of the assigned keys; `dump` and
// `show` print on standard output; the program ends with the script. Forced
// random draws (`rng`) belong to the virtual clock: use --seed here.
#pragma once

#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

#include "script_commands.h"

namespace vx {

class TForm1;

class ScriptPlayer : public QObject {
 public:
  // The script's lines, checked on the virtual clock (as vornix-script plays
  // them): false with "line N: ..." in `error` when a line is faulty.
  static bool check(const std::vector<std::string>& lines, std::string& error);

  ScriptPlayer(TForm1& form, std::vector<std::string> lines);
  // Starts playing (once; later calls do nothing).
  void start();

 private:
  // Runs lines up to the next wait or the end of the script.
  void play();
  void press(Action action, bool down);

  TForm1& form_;
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  bool started_ = false;
  std::int64_t start_ms_ = 0, until_ms_ = 0;  // the script's start, and where its waits have led
  bool waiting_ = false;
  ScriptCommands commands_;
};

// Reads a script file into lines; false with `error` when it cannot be read.
bool read_script(const std::string& file, std::vector<std::string>& lines, std::string& error);

}  // namespace vx
