#include "display/form_design.h"

namespace vx {

bool visible_at_creation(ElementId id) {
  switch (id) {
    case im_background:
    case im_background_screen_top:
    case btn_power_top:
    case btn_select_top:
    case btn_start_top:
    case btn_joystick_placeholder:
    case btn_fire_top:
      return true;
    default:
      return id >= el_panel_digit_pos(1) && id <= el_panel_digit_pos(4);
  }
}

}  // namespace vx
