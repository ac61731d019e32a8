// Holding the sound while the game is paused: every channel of the FSOUND layer
// stops where it is and goes on from there (a looping Thrust too). Safe while the
// output is closed.
#pragma once

namespace vx {

void fsound_pause(bool paused);
// Whether the channel is held (tests).
bool fsound_paused(int channel);

}  // namespace vx
