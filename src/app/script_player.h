// --script FILE: plays a .vxs script on the shown console against the real clock,
// so the real program can be put into any state (benchmarks, a player's report).
// The script starts when the console is first painted; `wait` waits in real time
// (measured from the script's start, so waits do not add up drift); `press` and
// `release` arrive at the window as key events of the assigned keys; `dump` and
// `show` print on standard output; `key NAME`, this player's own command, types a
// key such as F12 or Ctrl+0 on the window that has the keyboard (shortcuts
// included: a test's way to type where the window system lets no tool type); the
// program ends with the script. Forced random draws (`rng`) belong to the virtual
// clock: use --seed here.
#pragma once

#include <QElapsedTimer>
#include <QKeyCombination>
#include <QObject>
#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "script/script_commands.h"

namespace vx {

class TForm1;

// Reads a script's lines and checks them, as vornix-script reads and plays them
// but without letting time pass: false with "line N: ..." in `error` when a line
// is faulty (a wait or all of them beyond kMaxScriptWaitMs among them).
bool read_script(std::istream& in, std::vector<std::string>& lines, std::string& error);

class ScriptPlayer : public QObject {
 public:
  // Plays `lines` on the window's console; `done` runs after the last one.
  ScriptPlayer(TForm1& form, std::vector<std::string> lines, std::function<void()> done);
  // Starts playing at the event loop's next turn (once; later calls do nothing).
  void start();

 private:
  // Runs lines up to the next wait or the end of the script.
  void play();
  void press(Action action, bool down);
  void type(QKeyCombination key);

  TForm1& form_;
  std::vector<std::string> lines_;
  std::function<void()> done_;
  std::size_t next_ = 0;
  bool started_ = false;
  QElapsedTimer clock_;        // the script's own time, from its start
  std::int64_t until_ms_ = 0;  // where its waits have led
  bool waiting_ = false;
  ScriptCommands commands_;
};

}  // namespace vx
