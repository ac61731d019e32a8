#include "frontend/secondary_forms.h"

#include "display/console_window.h"
#include "frontend/manual_loader.h"
#include "frontend/window_place.h"

namespace vx {
namespace {

// Shown without blocking the console, in front, with the keyboard.
void bring_up(QWidget& form) {
  form.show();
  form.raise();
  form.activateWindow();
}

}  // namespace

SecondaryForms create_secondary_forms(TForm1& form1) {
  SecondaryForms f;
  f.about = std::make_unique<TAboutForm>(form1.data_folder());
  f.keys = std::make_unique<TKeysForm>(form1.host().console(), form1.settings(), &form1);
  f.manual = create_manual_form(form1.data_folder() / "Config.ini");

  form1.menu().set_form_hook(MenuEntry::pm_1_about, [about = f.about.get()] { bring_up(*about); });
  form1.menu().set_form_hook(MenuEntry::pm_4_manual, [manual = f.manual.get()] { bring_up(*manual); });
  // The key form takes the console's keyboard: the console accepts no input until it closes.
  form1.menu().set_form_hook(MenuEntry::pm_7_keys, [keys = f.keys.get(), &form1] {
    centre_on_screen(*keys);
    bring_up(*keys);
    form1.setEnabled(false);
  });
  return f;
}

}  // namespace vx
