// The console host: owns one Console (with its 29 timers), the game clock over a
// wall clock given from outside, and the sound sink given from outside (the
// desktop gives it SDL's sound, scripts a recorder). It offers one call per thing
// that happens; each call runs the ticks that fell due, acts, and reports once
// what changed: the elements to repaint and how long until the next tick. A
// window paints what the host reports and forwards what the player does; it never
// reaches into the console's fields. Toolkit-free: no file system, no threads.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>

#include "game/console_state.h"
#include "game/game_clock.h"

namespace vx {

// A game that has ended: after the game-over tune, when the final score comes back on the panel.
struct GameResult {
  int skill = 0;  // 1..4
  int score = 0;
  bool new_best = false;  // higher than the best kept for that skill level until now
};

struct HostReport {
  std::bitset<kElementCount> changed;     // elements whose box, picture or visibility changed
  std::optional<std::int64_t> next_tick;  // ms until the next tick is due; none: no timer runs, or paused
  std::optional<GameResult> game_over;    // a game ended since the last report
};

// Who holds the game: the player (the pause key), or the window being inactive.
enum class PauseBy { Player, Inactive };

// The best score per skill level, [1..4] ([0] unused).
using BestScores = std::array<int, 5>;

class ConsoleHost {
 public:
  using WallClock = std::function<std::int64_t()>;  // milliseconds, never backwards

  // Without a wall clock the host runs on the virtual clock: time moves by advance().
  explicit ConsoleHost(WallClock wall = {});
  ConsoleHost(const ConsoleHost&) = delete;
  ConsoleHost& operator=(const ConsoleHost&) = delete;

  // The console, for what reads it (dumps, hints, the key form's current keys).
  Console& console() { return console_; }
  const Console& console() const { return console_; }

  void set_wall_clock(WallClock wall) { wall_ = std::move(wall); }
  // The console plays through `sound` (null: silent).
  void set_sound(SoundSink* sound) { console_.sound = sound; }
  std::int64_t wall_time() const { return wall_ ? wall_() : console_.timers.now(); }
  // The game's time: the wall clock less the time spent paused.
  std::int64_t game_time() const { return wall_ ? clock_.now(wall_()) : console_.timers.now(); }
  bool paused() const { return clock_.paused(); }
  bool paused_by(PauseBy by) const { return pause_by_[static_cast<int>(by)]; }
  // A game is being played (not off, the opening or the demonstration).
  bool game_running() const { return console_.GameMode == 3; }
  // The best scores kept so far; a game over that beats one raises it.
  const BestScores& best_scores() const { return best_; }
  void set_best_scores(const BestScores& best) { best_ = best; }

  // ---- One call per event -----------------------------------------------------
  // An action pressed or released (a key, a pictured button, a pad, a script).
  HostReport action(Action action, bool down);
  // A key of the keyboard by its Windows virtual-key code: the action assigned to it.
  HostReport key(int key_code, bool down);
  // The menu's "Display controller overlays".
  HostReport set_controller_overlays(bool on);
  // The key form's six keys (key indices 1..44), with the button hints.
  HostReport assign_keys(const std::array<int, kActionCount + 1>& key_index);
  // The clock reached the next due tick.
  HostReport clock_reached();
  // Start-up from the launcher (after the skin is on the board): the console, off.
  HostReport start_play();
  // The game waits or goes on, for one reason (`by`): it waits while any reason
  // holds it. What fell due before the pause still runs, and the sound holds where it is.
  HostReport set_paused(bool paused, PauseBy by = PauseBy::Inactive);
  // The virtual clock (scripts): `ms` later, every tick run at its exact due time.
  HostReport advance(std::int64_t ms);
  // Anything else a script does to the console, reported the same way.
  HostReport act(const std::function<void(Console&)>& act);
  // What changed since the last report, without acting (after a skin load).
  HostReport report();

 private:
  void run_due();
  void note_game_over(bool was_playing);

  Console console_;
  WallClock wall_;
  GameClock clock_;
  std::array<bool, 2> pause_by_{};
  BestScores best_{};
  std::optional<GameResult> game_over_;
};

}  // namespace vx
