#include "host/console_host.h"

#include <algorithm>
#include <utility>

namespace vx {

ConsoleHost::ConsoleHost(WallClock wall) : wall_(std::move(wall)) {}

void ConsoleHost::run_due() {
  if (!wall_ || clock_.paused()) return;
  const bool playing = game_running();
  console_.timers.dispatch(game_time());
  note_game_over(playing);
}

void ConsoleHost::note_game_over(bool was_playing) {
  // The game-over sequence hands the panel back to the demonstration with the final score.
  if (was_playing && console_.GameMode == 2) {
    const int skill = std::clamp(console_.Skill, 1, 4);
    GameResult result{skill, console_.Score, console_.Score > best_[skill]};
    if (result.new_best) best_[skill] = result.score;
    game_over_ = result;
  }
}

HostReport ConsoleHost::report() {
  HostReport r;
  r.changed = console_.board.take_changed();
  r.game_over = std::exchange(game_over_, std::nullopt);
  if (!clock_.paused())
    if (const auto due = console_.timers.next_due()) r.next_tick = std::max<std::int64_t>(*due - game_time(), 0);
  return r;
}

HostReport ConsoleHost::act(const std::function<void(Console&)>& act) {
  run_due();
  act(console_);
  return report();
}

HostReport ConsoleHost::action(Action action, bool down) {
  return act([&](Console& k) { k.run_action(action, down); });
}

HostReport ConsoleHost::key(int key_code, bool down) {
  return act([&](Console& k) { down ? k.FormKeyDown(key_code) : k.FormKeyUp(key_code); });
}

HostReport ConsoleHost::set_controller_overlays(bool on) {
  return act([&](Console& k) {
    k.CtrlrOverlay = on;
    k.Vid_Display_Ctrl_Overlay();
  });
}

HostReport ConsoleHost::assign_keys(const std::array<int, kActionCount + 1>& key_index) {
  return act([&](Console& k) { k.assign_keys(key_index); });
}

HostReport ConsoleHost::clock_reached() {
  run_due();
  return report();
}

HostReport ConsoleHost::start_play() {
  return act([](Console& k) {
    k.GameMode = 0;
    k.Gam_Set_Mode();
  });
}

HostReport ConsoleHost::set_paused(bool on, PauseBy by) {
  pause_by_[static_cast<int>(by)] = on;
  const bool paused = pause_by_[0] || pause_by_[1];
  if (paused == clock_.paused()) return report();
  if (paused) {
    run_due();  // what fell due before the pause still runs
    clock_.pause(wall_time());
  } else {
    clock_.resume(wall_time());
  }
  if (console_.sound) console_.sound->pause(paused);
  return report();
}

HostReport ConsoleHost::advance(std::int64_t ms) {
  const bool playing = game_running();
  console_.timers.advance(ms);
  note_game_over(playing);
  return report();
}

}  // namespace vx
