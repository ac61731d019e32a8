#include "sound/sound_pause.h"

#include <algorithm>

#include "platform/sdl_library.h"

namespace vx {
namespace {
// The mixer while an output is open (none is before the library is loaded).
const SdlMixerFunctions* open_output() {
  const SdlMixerFunctions* sdl = sdl_mixer_if_loaded();
  int rate = 0, channels = 0;
  Uint16 format = 0;
  return sdl && sdl->Mix_QuerySpec(&rate, &format, &channels) != 0 ? sdl : nullptr;
}
}  // namespace

void fsound_pause(bool paused) {
  const SdlMixerFunctions* sdl = open_output();
  if (!sdl) return;
  if (paused) {
    // SDL_mixer marks a held channel with SDL's tick count at that moment; in
    // the first millisecond after SDL started the mark would be 0, "not held".
    if (sdl->SDL_GetTicks64() == 0) sdl->SDL_Delay(1);
    sdl->Mix_Pause(-1);
  } else {
    sdl->Mix_Resume(-1);
  }
}

void fsound_master_volume(int percent) {
  if (const SdlMixerFunctions* sdl = sdl_mixer_if_loaded())
    sdl->Mix_MasterVolume(std::clamp(percent, 0, 100) * MIX_MAX_VOLUME / 100);
}

bool fsound_paused(int channel) {
  const SdlMixerFunctions* sdl = open_output();
  return sdl && sdl->Mix_Paused(channel) == 1;
}

}  // namespace vx
