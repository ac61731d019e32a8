// --script FILE: the press, release and wait lines of a .vxs scenario played on
// the desktop program's console against the real clock (a wait waits that long);
// the program ends after the last line. Other scenario commands are refused
// before the window opens, naming the line.
#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "game/console_state.h"

namespace vx {

class TForm1;

struct ScriptStep {
  enum Kind { Press, Release, Wait } kind;
  Action action;  // Press, Release
  int ms;         // Wait
};

// The steps of a script; on a fault none, and `error` reads "line N: ...".
std::optional<std::vector<ScriptStep>> read_script(std::istream& in, std::string& error);

// Plays the steps on the window's console from now on; `done` runs after the last.
void play_script(TForm1& form, std::vector<ScriptStep> steps, std::function<void()> done);

}  // namespace vx
