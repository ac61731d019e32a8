// Installation faults are shown in a modal message box with the error icon and one
// OK button. The box is one replaceable function: the desktop program installs the
// real one; tests, vornix-script and --no-dialogs leave the default, which writes
// the message as one line on standard error instead of blocking.
#pragma once

#include <functional>
#include <string_view>

namespace vx {

using ErrorBox = std::function<void(std::string_view text)>;

void show_error_box(std::string_view text);
// Installs `box` (an empty function restores the standard-error default).
void set_error_box(ErrorBox box);

// One line for the player on standard error (`line` ends with its newline). While
// the calling thread holds its lines (hold_lines), they are appended to the string
// it gave instead, to be said later in their place among the program's other
// messages, or dropped with the work that said them.
void say_line(std::string_view line);
// Holds the calling thread's lines in `held`; nullptr: standard error again.
void hold_lines(std::string* held);

}  // namespace vx
