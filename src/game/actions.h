// The six actions by the names scripts give them ("power", "select", "start",
// "left", "right", "fire") and the inp_ operations that a press and a release run.
// Keys, pads and scripts all come in through here.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "game/console_state.h"

namespace vx {

struct ActionOps {
  std::string_view name;
  void (Console::*down)();
  void (Console::*up)();  // none for power
};
// Indexed by Action (ActPower .. ActFire); entry 0 is unused.
inline constexpr std::array<ActionOps, 7> kActionOps{{
    {"", nullptr, nullptr},
    {"power", &Console::inp_power_down, nullptr},
    {"select", &Console::inp_select_down, &Console::inp_select_up},
    {"start", &Console::inp_start_down, &Console::inp_start_up},
    {"left", &Console::inp_left_down, &Console::inp_left_up},
    {"right", &Console::inp_right_down, &Console::inp_right_up},
    {"fire", &Console::inp_fire_down, &Console::inp_fire_up},
}};

inline std::optional<Action> action_by_name(std::string_view name) {
  for (int a = ActPower; a <= ActFire; ++a)
    if (kActionOps[a].name == name) return static_cast<Action>(a);
  return std::nullopt;
}

// Runs the press (down) or release of `a`; a release of power does nothing.
inline void run_action(Console& k, Action a, bool down) {
  const auto op = down ? kActionOps[a].down : kActionOps[a].up;
  if (op) (k.*op)();
}

}  // namespace vx
