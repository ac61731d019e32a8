// Gamepads over SDL's game controller API (SDL video is never started): every
// connected pad drives the console's six actions, pads plugged in later are
// picked up, the left stick has a dead zone, and a held direction repeats the
// way a held key does.
#pragma once

#include <bitset>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/actions.h"

struct _SDL_GameController;

namespace vx {

struct SdlFunctions;

// The console's six actions as a pad sends them.

struct PadEvent {
  Action action;  // bit action - ActPower of the sets below
  bool down;      // false: released
  bool operator==(const PadEvent&) const = default;
};

// The left stick's dead zone, in SDL's axis units (-32768..32767): a direction
// counts once the stick leans past `press`, and ends once it is back inside
// `release` (the gap keeps a stick resting near the edge from chattering).
struct StickZone {
  int press = 13000;
  int release = 8000;
};

// A held left or right is sent again after `delay_ms`, then every `interval_ms`.
struct PadRepeat {
  int delay_ms = 500;
  int interval_ms = 33;
};

// "d-pad or left stick left/right, A or B fire, ..." for the key form.
std::string pad_controls_text();

class Gamepads {
 public:
  // Touches no SDL: SDL2 is opened and its game controller subsystem started by
  // start(), at the first poll.
  explicit Gamepads(PadRepeat repeat = {}, StickZone zone = {});
  ~Gamepads();
  Gamepads(const Gamepads&) = delete;
  Gamepads& operator=(const Gamepads&) = delete;

  // Opens SDL2 and starts its game controller subsystem, once; the pads already
  // connected arrive with the first poll. Without either (SDL2 missing, or no
  // joystick support) the object stays idle and says so once on standard error.
  // Only one thread may start or quit SDL subsystems at a time.
  bool start();
  bool ready() const { return ready_; }
  int count() const { return static_cast<int>(pads_.size()); }

  // Starts (above) when not yet started, then reads everything SDL has queued
  // (pads added and removed, buttons, sticks) and returns, in order, the actions
  // that went down or up, then the repeats of a held direction that are due at
  // `now_ms`. While inactive nothing is returned.
  std::vector<PadEvent> poll(std::int64_t now_ms);
  // Inactive: every action held is released at once (the returned events).
  // Active again: a control still held from before counts once it is let go and
  // pressed anew, as a key held while a window comes forward does.
  std::vector<PadEvent> set_active(bool active, std::int64_t now_ms);
  bool active() const { return active_; }
  // When the next repeat of a held direction falls due; none when none is held.
  std::optional<std::int64_t> next_repeat() const;

 private:
  using Actions = std::bitset<kActionCount>;
  struct Pad {
    _SDL_GameController* controller = nullptr;
    std::uint32_t buttons = 0;  // bit n: SDL button n is down
    Actions stick;              // left or right held through the left stick
  };

  void open(int device_index);
  void close(int instance_id);
  void on_axis(Pad& pad, int value);
  // Compares what should be held with what the console was told and appends the
  // differences: releases, then presses, each in action order.
  void settle(std::int64_t now_ms, std::vector<PadEvent>& out);
  Actions raw() const;

  PadRepeat repeat_;
  StickZone zone_;
  const SdlFunctions* sdl_ = nullptr;
  bool started_ = false;
  bool ready_ = false;
  bool active_ = true;
  std::map<int, Pad> pads_;  // by SDL instance id
  Actions held_;             // what the console was told is down
  Actions blocked_;          // held since before the last activation
  std::int64_t repeat_due_[kActionCount]{};
};

}  // namespace vx
