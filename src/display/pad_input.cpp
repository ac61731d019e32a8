#include "display/pad_input.h"

namespace vx {
namespace {

constexpr int kPadPollMs = 8, kPadIdlePollMs = 250;

}  // namespace

PadInput::PadInput(QObject* parent, std::function<std::int64_t()> wall, Act act)
    : QObject(parent), wall_(std::move(wall)), act_(std::move(act)), pads_(std::make_unique<Gamepads>()) {
  pads_->set_active(false, 0);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
  timer_.start(kPadIdlePollMs);
}

void PadInput::poll() {
  // The first poll opens SDL2 and starts its game controllers, here on the main
  // thread in the event loop, so not while the window is made. SDL never starts
  // from two threads at once: the only other thread that starts SDL, the early
  // sound start-up (Sound::prepare), runs from the console's creation to the
  // launcher's Play, which joins it before the event loop runs this timer.
  const auto events = pads_->poll(wall_());
  if (!events.empty()) act_(events);
  timer_.start(pads_->count() > 0 && pads_->active() ? kPadPollMs : kPadIdlePollMs);
}

void PadInput::set_active(bool active) {
  act_(pads_->set_active(active, wall_()));
  timer_.start(kPadPollMs);
}

}  // namespace vx
