// The about box, the key settings form and the manual viewer: created hidden after
// the console window, in that order, and opened from its pop-up menu, its
// shortcuts (F1 the about box, F4 the manual) and its in-window game menu.
#pragma once

#include <memory>

#include "frontend/about_form.h"
#include "frontend/keys_form.h"
#include "frontend/manual_form.h"

namespace vx {

class TForm1;

struct SecondaryForms {
  std::unique_ptr<TAboutForm> about;
  std::unique_ptr<TKeysForm> keys;
  std::unique_ptr<TManualForm> manual;
};

// Creates the three forms (their pictures and the manual's configuration from
// the data folder) and
// connects "About...", "View manual" and "Key settings". They must go before `form1`.
SecondaryForms create_secondary_forms(TForm1& form1);

}  // namespace vx
