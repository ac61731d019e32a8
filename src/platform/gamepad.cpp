#include "platform/gamepad.h"

#include <cstdio>
#include <string_view>

#include "platform/sdl_library.h"

namespace vx {
namespace {

struct PadBinding {
  SDL_GameControllerButton button;
  Action action;
  std::string_view label;  // as the key form names it
};
// Which pad button does what. The left stick's horizontal lean adds left and right.
constexpr PadBinding kBindings[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, ActLeft, "d-pad"},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, ActRight, "d-pad"},
    {SDL_CONTROLLER_BUTTON_A, ActFire, "A"},
    {SDL_CONTROLLER_BUTTON_B, ActFire, "B"},
    {SDL_CONTROLLER_BUTTON_START, ActStart, "Start"},
    {SDL_CONTROLLER_BUTTON_BACK, ActSelect, "Back"},
    {SDL_CONTROLLER_BUTTON_GUIDE, ActPower, "Guide"},
};

constexpr bool repeats(int action) { return action == ActLeft - ActPower || action == ActRight - ActPower; }

}  // namespace

std::string pad_controls_text() {
  // One phrase per action in the order the key form lists the keys.
  struct Phrase {
    Action action;
    const char* what;
  };
  static constexpr Phrase kPhrases[] = {
      {ActLeft, "left/right"}, {ActFire, "fire"}, {ActStart, "start"}, {ActSelect, "select"}, {ActPower, "power"}};
  std::string text;
  for (const Phrase& p : kPhrases) {
    std::string controls;
    for (const PadBinding& b : kBindings)
      if (b.action == p.action && controls.find(b.label) == std::string::npos)
        controls += (controls.empty() ? "" : " or ") + std::string(b.label);
    if (p.action == ActLeft) controls += " or left stick";
    text += (text.empty() ? "" : ", ") + controls + " " + p.what;
  }
  return text;
}

Gamepads::Gamepads(PadRepeat repeat, StickZone zone) : repeat_(repeat), zone_(zone) {}

bool Gamepads::start() {
  if (started_) return ready_;
  started_ = true;
  std::string why;
  sdl_ = sdl_library(&why);
  if (sdl_) {
    sdl_->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // Ctrl+C still ends the program
    ready_ = sdl_->SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!ready_) why = sdl_->SDL_GetError();
  }
  if (!ready_) std::fprintf(stderr, "vornix-simulator: gamepads cannot be used: %s\n", why.c_str());
  return ready_;
}

Gamepads::~Gamepads() {
  if (!ready_) return;
  for (auto& [id, pad] : pads_) sdl_->SDL_GameControllerClose(pad.controller);
  sdl_->SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Gamepads::open(int device_index) {
  if (!sdl_->SDL_IsGameController(device_index)) return;
  const SDL_JoystickID id = sdl_->SDL_JoystickGetDeviceInstanceID(device_index);
  if (id < 0 || pads_.count(id)) return;
  if (SDL_GameController* c = sdl_->SDL_GameControllerOpen(device_index)) pads_[id].controller = c;
}

void Gamepads::close(int instance_id) {
  const auto it = pads_.find(instance_id);
  if (it == pads_.end()) return;
  sdl_->SDL_GameControllerClose(it->second.controller);
  pads_.erase(it);
}

void Gamepads::on_axis(Pad& pad, int value) {
  const auto lean = [&](Action a, bool leaning_that_way, int distance) {
    const int bit = a - ActPower;
    if (!leaning_that_way || distance < zone_.release)
      pad.stick[bit] = false;
    else if (distance >= zone_.press)
      pad.stick[bit] = true;
    // Between release and press the stick keeps what it had.
  };
  lean(ActLeft, value < 0, -value);
  lean(ActRight, value > 0, value);
}

Gamepads::Actions Gamepads::raw() const {
  Actions a;
  for (const auto& [id, pad] : pads_) {
    a |= pad.stick;
    // Two buttons may share an action (A and B): the action is held while either is.
    for (const PadBinding& b : kBindings)
      if (pad.buttons >> b.button & 1u) a.set(b.action - ActPower);
  }
  return a;
}

void Gamepads::settle(std::int64_t now_ms, std::vector<PadEvent>& out) {
  const Actions raw_now = raw();
  blocked_ &= raw_now;  // a control let go is free again
  const Actions want = active_ ? raw_now & ~blocked_ : Actions();
  // Releases first: a stick flicked from left to right ends left, then starts right.
  for (const bool pressing : {false, true})
    for (int a = 0; a < kActionCount; ++a) {
      if (want[a] == held_[a] || want[a] != pressing) continue;
      held_[a] = want[a];
      out.push_back({static_cast<Action>(a + ActPower), want[a]});
      if (want[a]) repeat_due_[a] = now_ms + repeat_.delay_ms;
    }
}

std::vector<PadEvent> Gamepads::poll(std::int64_t now_ms) {
  std::vector<PadEvent> out;
  if (!start()) return out;
  SDL_Event e;
  while (sdl_->SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_CONTROLLERDEVICEADDED:
        open(e.cdevice.which);
        break;
      case SDL_CONTROLLERDEVICEREMOVED:
        close(e.cdevice.which);
        break;
      case SDL_CONTROLLERBUTTONDOWN:
      case SDL_CONTROLLERBUTTONUP:
        if (const auto it = pads_.find(e.cbutton.which); it != pads_.end() && e.cbutton.button < 32) {
          const std::uint32_t bit = 1u << e.cbutton.button;
          it->second.buttons = e.cbutton.state == SDL_PRESSED ? it->second.buttons | bit : it->second.buttons & ~bit;
        }
        break;
      case SDL_CONTROLLERAXISMOTION:
        if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
          if (const auto it = pads_.find(e.caxis.which); it != pads_.end()) on_axis(it->second, e.caxis.value);
        break;
      default:
        continue;  // audio and joystick events: nothing for us
    }
    settle(now_ms, out);
  }
  if (!active_) return out;
  for (int a = 0; a < kActionCount; ++a)
    if (held_[a] && repeats(a) && now_ms >= repeat_due_[a]) {
      out.push_back({static_cast<Action>(a + ActPower), true});
      repeat_due_[a] = now_ms + repeat_.interval_ms;
    }
  return out;
}

std::vector<PadEvent> Gamepads::set_active(bool active, std::int64_t now_ms) {
  std::vector<PadEvent> out;
  if (active == active_) return out;
  active_ = active;
  if (active) blocked_ = raw();
  settle(now_ms, out);
  return out;
}

std::optional<std::int64_t> Gamepads::next_repeat() const {
  std::optional<std::int64_t> next;
  if (!active_) return next;
  for (int a = 0; a < kActionCount; ++a)
    if (held_[a] && repeats(a) && (!next || repeat_due_[a] < *next)) next = repeat_due_[a];
  return next;
}

}  // namespace vx
