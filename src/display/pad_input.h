// The pads as the console window reads them: polled often while a pad is
// connected and the window is active, otherwise only often enough to notice a
// pad being plugged in; what they do goes to `act` as the console's actions.
// SDL's game controllers start at the first poll, a quarter of a second after.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "platform/gamepad.h"

namespace vx {

class PadInput : public QObject {
 public:
  using Act = std::function<void(const std::vector<PadEvent>& events)>;
  // `wall` is the wall clock in ms; the pads count once the window is first activated.
  PadInput(QObject* parent, std::function<std::int64_t()> wall, Act act);

  Gamepads& gamepads() { return *pads_; }
  // Reads the pads now and hands what they did on.
  void poll();
  // The window became active or inactive: held controls end or begin.
  void set_active(bool active);

 private:
  std::function<std::int64_t()> wall_;
  Act act_;
  std::unique_ptr<Gamepads> pads_;
  QTimer timer_;
};

}  // namespace vx
