#include "display/mouse_map.h"

namespace vx {
namespace {

struct Entry {
  ElementId id;
  MouseTarget target;
};
constexpr Entry kTargets[] = {
    {btn_power_top, {MouseRole::Control, PointerShape::Hand, ActPower}},
    {btn_select_top, {MouseRole::Control, PointerShape::Hand, ActSelect}},
    {btn_start_top, {MouseRole::Control, PointerShape::Hand, ActStart}},
    {btn_fire_top, {MouseRole::Control, PointerShape::Hand, ActFire}},
    {btn_ctrlr_overlay_left, {MouseRole::Control, PointerShape::Hand, ActLeft}},
    {btn_ctrlr_overlay_right, {MouseRole::Control, PointerShape::Hand, ActRight}},
    {im_background, {MouseRole::Drag, PointerShape::Arrow}},
    {im_background_screen_top, {MouseRole::Drag, PointerShape::Arrow}},
    {btn_joystick_top, {MouseRole::Drag, PointerShape::Help}},
    {btn_game_menu_top, {MouseRole::GameMenuButton, PointerShape::Hand}},
    {btn_game_menu_background, {MouseRole::Blocks, PointerShape::Arrow}},
};

}  // namespace

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
