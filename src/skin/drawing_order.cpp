#include "skin/drawing_order.h"

namespace vx {
namespace {

struct StatePicture {
  ElementId state, over;
};
// Each state picture and the clickable picture it is drawn just above.
constexpr StatePicture kStatePictures[] = {
    {btn_power_on, btn_power_top},
    {btn_select_down, btn_select_top},
    {btn_start_down, btn_start_top},
    {btn_fire_down, btn_fire_top},
    {btn_joystick_placeholder, btn_joystick_top},
};

}  // namespace

bool is_state_picture(ElementId id) {
  for (const StatePicture& s : kStatePictures)
    if (s.state == id) return true;
  return false;
}

const std::array<ElementId, kElementCount>& drawing_order() {
  static const std::array<ElementId, kElementCount> order = [] {
    std::array<ElementId, kElementCount> o{};
    int n = 0;
    o[n++] = im_backdrop;
    o[n++] = im_backdrop_logo;
    for (ElementId id = 0; id < kSkinElementCount; ++id) {
      if (is_state_picture(id)) continue;
      o[n++] = id;
      for (const StatePicture& s : kStatePictures)
        if (s.over == id) o[n++] = s.state;
    }
    o[n++] = btn_game_menu_background;
    o[n++] = btn_game_menu_top;
    return o;
  }();
  return order;
}

}  // namespace vx
