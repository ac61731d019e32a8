// The desktop shell's "open" action: a document of the data folder (a name as
// configured, relative to the working directory) or an address ("https://...",
// "mailto:..."). Its result is ignored. Replaceable, so tests can see what was
// asked for without starting other programs.
#pragma once

#include <functional>
#include <string_view>

namespace vx {

using ShellOpen = std::function<void(std::string_view document)>;

void shell_open(std::string_view document);
// Installs `open` (an empty function restores the desktop's own).
void set_shell_open(ShellOpen open);

}  // namespace vx
