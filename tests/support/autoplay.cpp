#include "support/autoplay.h"

namespace vx {

int AutoPlayer::target() const {
  if (k_.Phase == 4) return k_.DockCol;
  if (k_.Phase == 3)
    for (int c = 1; c <= kCols; ++c)
      if (k_.aEnemy[c][9]) return c;
  for (int i = 1; i <= 2; ++i)
    if (k_.Attacker[i].Row > 1) return k_.Attacker[i].Col;
  return k_.ShipCol;
}

void AutoPlayer::play_a_moment() {
  if (k_.GameMode == 0) k_.inp_power_down();
  if (k_.GameMode == 2) {
    if (dice_() % 3 == 0) {
      k_.inp_select_down();
      k_.inp_select_up();
    }
    k_.inp_start_down();
    k_.inp_start_up();
  }
  if (k_.GameMode == 3) {
    if (endless && k_.Lives == 1) k_.Lives = 5;
    const int t = target();
    if (dice_() % 4 != 0 && t >= 1 && t != k_.ShipCol) {
      if (t < k_.ShipCol) {
        k_.inp_left_down();
        k_.inp_left_up();
      } else {
        k_.inp_right_down();
        k_.inp_right_up();
      }
    }
    const bool thrust = k_.Phase == 4 && k_.ShuttleRow > 2 && t != k_.ShipCol;
    if (k_.Phase < 4 || thrust) k_.inp_fire_down();
    if (k_.Phase < 4 || !thrust) k_.inp_fire_up();
  }
  if (power_cuts && dice_() % 500 == 0) k_.inp_power_down();
}

void AutoPlayer::play_for(std::int64_t ms) {
  const std::int64_t end = k_.timers.now() + ms;
  while (k_.timers.now() < end) {
    play_a_moment();
    k_.timers.advance(std::min<std::int64_t>(40 + dice_() % 300, end - k_.timers.now()));
  }
}

}  // namespace vx
