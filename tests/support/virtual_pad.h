// A pad plugged in through SDL's virtual joysticks, laid out as SDL's standard
// controller: button n is SDL_GameControllerButton n, axis 0 the left stick's
// horizontal. Plugged in before the program looks, as a pad connected at its
// start would be (it starts SDL's joysticks itself), unplugged when it goes.
#pragma once

#include <SDL.h>

namespace vx::test {

class VirtualPad {
 public:
  VirtualPad() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return;
    joysticks_ = true;
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                SDL_CONTROLLER_BUTTON_MAX, 0);
    if (index >= 0) joystick_ = SDL_JoystickOpen(index);
    if (joystick_) id_ = SDL_JoystickInstanceID(joystick_);
  }
  ~VirtualPad() {
    unplug();
    if (joysticks_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  bool plugged() const { return joystick_ != nullptr; }
  void button(SDL_GameControllerButton b, bool pressed) { SDL_JoystickSetVirtualButton(joystick_, b, pressed); }
  void stick_x(Sint16 x) { SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, x); }
  void unplug() {
    if (!joystick_) return;
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
  }

 private:
  bool joysticks_ = false;
  SDL_Joystick* joystick_ = nullptr;
  SDL_JoystickID id_ = -1;
};

}  // namespace vx::test
