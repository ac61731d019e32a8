#include "sound/sound_pause.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace vx {
namespace {
bool output_open() {
  int rate = 0, channels = 0;
  Uint16 format = 0;
  return Mix_QuerySpec(&rate, &format, &channels) != 0;
}
}  // namespace

void fsound_pause(bool paused) {
  if (!output_open()) return;
  if (paused) {
    // SDL_mixer marks a held channel with SDL's tick count at that moment; in
    // the first millisecond after SDL started the mark would be 0, "not held".
    if (SDL_GetTicks64() == 0) SDL_Delay(1);
    Mix_Pause(-1);
  } else {
    Mix_Resume(-1);
  }
}

void fsound_master_volume(int percent) {
  Mix_MasterVolume(std::clamp(percent, 0, 100) * MIX_MAX_VOLUME / 100);
}

bool fsound_paused(int channel) { return output_open() && Mix_Paused(channel) == 1; }

}  // namespace vx
