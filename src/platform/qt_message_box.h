// The real error message box of the desktop program: modal, with the error icon
// and one OK button. Installed through set_error_box unless --no-dialogs is given.
#pragma once

namespace vx {

void install_qt_error_box();

}  // namespace vx
