// The desktop tests' set-up with the three secondary forms created after the
// console window and connected to its menu, as the program's start does.
#pragma once

#include "frontend/secondary_forms.h"
#include "support/desktop_fixture.h"

namespace vx::test {

class FormsTest : public DesktopTest {
 protected:
  // The console window (on the test installation, launcher not yet made), then the forms.
  TForm1& create_all() {
    create();
    forms = create_secondary_forms(*form);
    return *form;
  }
  // Start-up with the launcher skipped, then the forms' hooks on top.
  TForm1& play_with_forms(bool fullscreen) {
    start_playing(fullscreen);
    forms = create_secondary_forms(*form);
    return *form;
  }
  SecondaryForms forms;  // destroyed before the console window
};

}  // namespace vx::test
