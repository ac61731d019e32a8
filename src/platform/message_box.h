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

}  // namespace vx
