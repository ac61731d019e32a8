// Holding the sound while the game is paused: every channel of the FSOUND layer
// stops where it is and goes on from there (a looping Thrust too). Safe while the
// output is closed. And the level of the whole mix.
#pragma once

namespace vx {

void fsound_pause(bool paused);
// The level of the whole mix, 0..100 percent (SDL_mixer's master volume, over
// every channel at once); kept across the output's opening. Before SDL_mixer is
// loaded it does nothing (it never loads it): Sound sets its level once it has
// opened the output.
void fsound_master_volume(int percent);
// Whether the channel is held (tests).
bool fsound_paused(int channel);

}  // namespace vx
