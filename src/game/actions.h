// The six actions in one table: the name scripts give each, the key a new player
// has for it (an index of KeyName), and the inp_ operations its press and release
// run (power has no release). Keys, the mouse's pictured buttons, pads and scripts
// all come in through here; Console::run_action dispatches from the same list.
#pragma once

#include <array>
#include <optional>
#include <string_view>

// X(id, name, default key index, press operation[, release operation])
#define VX_ACTIONS(X)                                       \
  X(ActPower, "power", 2, inp_power_down)                   \
  X(ActSelect, "select", 3, inp_select_down, inp_select_up) \
  X(ActStart, "start", 4, inp_start_down, inp_start_up)     \
  X(ActLeft, "left", 39, inp_left_down, inp_left_up)        \
  X(ActRight, "right", 40, inp_right_down, inp_right_up)    \
  X(ActFire, "fire", 42, inp_fire_down, inp_fire_up)

namespace vx {

enum Action : int {
  ActNone = 0,
#define VX_ACTION_ID(id, ...) id,
  VX_ACTIONS(VX_ACTION_ID)
#undef VX_ACTION_ID
};
inline constexpr int kActionCount = ActFire;

struct ActionInfo {
  std::string_view name;
  int default_key;  // key index 1..44
  bool has_release;
};
// Indexed by Action; entry 0 is unused.
// clang-format off
inline constexpr std::array<ActionInfo, kActionCount + 1> kActions{{
    {"", 0, false},
#define VX_ACTION_INFO(id, name, key, press, ...) {name, key, __VA_OPT__(true ||) false},
    VX_ACTIONS(VX_ACTION_INFO)
#undef VX_ACTION_INFO
}};
// clang-format on

// The default key index of each action 1..6 (power, select, start, left, right, fire).
inline constexpr std::array<int, kActionCount + 1> kDefaultKeyIndex = [] {
  std::array<int, kActionCount + 1> keys{};
  for (int a = ActPower; a <= kActionCount; ++a) keys[a] = kActions[a].default_key;
  return keys;
}();

inline std::optional<Action> action_by_name(std::string_view name) {
  for (int a = ActPower; a <= kActionCount; ++a)
    if (kActions[a].name == name) return static_cast<Action>(a);
  return std::nullopt;
}

}  // namespace vx
