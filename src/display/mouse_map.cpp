#include "display/mouse_map.h"

#include "game/console_state.h"

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

struct Entry {
  ElementId id;
  MouseTarget target;
};
constexpr Entry kTargets[] = {
    {btn_power_top, {MouseRole::Control, PointerShape::Hand, &Console::inp_power_down, nullptr}},
    {btn_select_top, {MouseRole::Control, PointerShape::Hand, &Console::inp_select_down, &Console::inp_select_up}},
    {btn_start_top, {MouseRole::Control, PointerShape::Hand, &Console::inp_start_down, &Console::inp_start_up}},
    {btn_fire_top, {MouseRole::Control, PointerShape::Hand, &Console::inp_fire_down, &Console::inp_fire_up}},
    {btn_ctrlr_overlay_left, {MouseRole::Control, PointerShape::Hand, &Console::inp_left_down, &Console::inp_left_up}},
    {btn_ctrlr_overlay_right,
     {MouseRole::Control, PointerShape::Hand, &Console::inp_right_down, &Console::inp_right_up}},
    {im_background, {MouseRole::Drag, PointerShape::Arrow, nullptr, nullptr}},
    {im_background_screen_top, {MouseRole::Drag, PointerShape::Arrow, nullptr, nullptr}},
    {btn_joystick_top, {MouseRole::Drag, PointerShape::Help, nullptr, nullptr}},
    {btn_game_menu_top, {MouseRole::GameMenuButton, PointerShape::Hand, nullptr, nullptr}},
    {btn_game_menu_background, {MouseRole::Blocks, PointerShape::Arrow, nullptr, nullptr}},
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

const MouseTarget& mouse_target(ElementId id) {
  static const MouseTarget kNone{};
  for (const Entry& e : kTargets)
    if (e.id == id) return e.target;
  return kNone;
}

std::optional<ElementId> hit_test(const SpriteBoard& board, int x, int y) {
  const auto& order = drawing_order();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const Sprite& s = board[*it];
    if (!s.visible || is_state_picture(*it) || mouse_target(*it).role == MouseRole::None) continue;
    if (x >= s.left && x < s.left + s.width && y >= s.top && y < s.top + s.height) return *it;
  }
  return std::nullopt;
}

}  // namespace vx
