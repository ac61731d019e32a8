// SDL2 and SDL2_mixer, opened when first needed instead of at the program's
// start: SDL2_mixer alone brings some forty libraries with it (FluidSynth, GLib,
// PulseAudio, JACK, the codecs), and a run with "(no sound)" and no pad needs
// neither. Each library is opened by its soname once, by whichever thread asks
// first; what it gives is a table of the functions this program calls, under
// SDL's own names:
//
//   if (const SdlFunctions* sdl = sdl_library(&why)) sdl->SDL_InitSubSystem(...);
//
// The headers still give the types, constants and macros.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

namespace vx {

#define VX_SDL_FUNCTIONS(X)                                                                                  \
  X(SDL_Delay) X(SDL_FreeWAV) X(SDL_GameControllerClose) X(SDL_GameControllerOpen)                           \
  X(SDL_GetCurrentAudioDriver) X(SDL_GetError) X(SDL_GetTicks64) X(SDL_InitSubSystem) X(SDL_IsGameController) \
  X(SDL_JoystickGetDeviceInstanceID) X(SDL_LoadWAV_RW) X(SDL_PollEvent) X(SDL_QuitSubSystem)                 \
  X(SDL_RWFromConstMem) X(SDL_ResetHint) X(SDL_SetHint) X(SDL_SetHintWithPriority) X(SDL_TLSCleanup)
#define VX_MIXER_FUNCTIONS(X)                                                                               \
  X(Mix_AllocateChannels) X(Mix_CloseAudio) X(Mix_FreeChunk) X(Mix_HaltChannel) X(Mix_LoadWAV_RW)           \
  X(Mix_MasterVolume) X(Mix_OpenAudioDevice) X(Mix_Pause) X(Mix_Paused) X(Mix_PlayChannel) X(Mix_QuerySpec) \
  X(Mix_Resume) X(Mix_SetPostMix)

#define VX_SDL_POINTER(name) decltype(&::name) name = nullptr;
struct SdlFunctions {
  VX_SDL_FUNCTIONS(VX_SDL_POINTER)
};
struct SdlMixerFunctions : SdlFunctions {
  VX_MIXER_FUNCTIONS(VX_SDL_POINTER)
};
#undef VX_SDL_POINTER

// libSDL2-2.0.so.0, opened at the first call. nullptr when it cannot be opened or
// lacks one of the functions; then `why`, when given, gets the loader's line naming
// the library and the fault (every later call gives the same answer).
const SdlFunctions* sdl_library(std::string* why = nullptr);
// libSDL2_mixer-2.0.so.0 with SDL2 beneath it, likewise.
const SdlMixerFunctions* sdl_mixer_library(std::string* why = nullptr);
// SDL2_mixer when it is already in the process (opened by the call above, or by a
// program linked to it); never loads it.
const SdlMixerFunctions* sdl_mixer_if_loaded();

}  // namespace vx
