// The sound library layer: the seven FSOUND calls the console makes, over SDL2 audio
// and SDL2_mixer. A zero sample handle is "nothing" for play and free; channel 0
// replaces whatever sounds on it; FSOUND_Close is safe at any time. Samples load
// whenever their file decodes: without a sound device the mixer runs on SDL's
// silent "dummy" driver and says so once on standard error. SDL2 and SDL2_mixer
// are opened with the first output; when either cannot be, no output opens and no
// sample loads, and that is said once on standard error, naming the library.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace vx {

struct FsoundSampleData;
using FsoundSample = FsoundSampleData*;  // nullptr: not loaded

// Output types of FSOUND_SetOutput.
inline constexpr int kFsoundOutputMultiMedia = 1;   // ALSA, else the default driver
inline constexpr int kFsoundOutputDirectSound = 2;  // SDL's default driver
// Sample load modes.
inline constexpr unsigned kFsoundLoopNormal = 2;   // loops until stopped
inline constexpr unsigned kFsoundPlainOnce = 8192; // plays once
// Channel numbers with a meaning of their own.
inline constexpr int kFsoundFreeSlot = -1;     // FSOUND_Sample_Load / FSOUND_PlaySound: any free one
inline constexpr int kFsoundAllChannels = -3;  // FSOUND_StopSound: every channel

// Records the mixing rate and the number of channels. Returns false when already
// initialised or given nonsense. The device opens at FSOUND_SetOutput (or at the
// first load when no output type was given).
bool FSOUND_Init(int mixrate, int maxchannels, unsigned flags);
// Opens the output: type 1 tries ALSA first, anything else SDL's default driver;
// SDL_AUDIODRIVER overrides both. When none opens, the silent "dummy" driver is
// used. Returns false before FSOUND_Init, once the output is open, or without the
// libraries.
bool FSOUND_SetOutput(int outputtype);
// Loads and decodes a whole file (offset and length must be 0). Mode
// kFsoundLoopNormal makes it loop. Returns nullptr when the file cannot be read or
// decoded, is no regular file (never opened then), would take more memory than a
// sound effect may, or before FSOUND_Init.
FsoundSample FSOUND_Sample_Load(int index, const char* name, unsigned mode, int offset, int length);
// Starts `sample` on `channel` (0..channels-1, or kFsoundFreeSlot), cutting off what
// sounds there. Returns the channel, or -1 (a nullptr sample does nothing at all).
int FSOUND_PlaySound(int channel, FsoundSample sample);
// Stops one channel, or every channel with kFsoundAllChannels.
bool FSOUND_StopSound(int channel);
// Releases a sample; nullptr and handles already released are ignored.
void FSOUND_Sample_Free(FsoundSample sample);
// Stops everything, releases the samples still loaded and closes the device.
void FSOUND_Close();

// The seven calls as one table, so that their users can be watched.
struct FsoundCalls {
  bool (*Init)(int, int, unsigned) = &FSOUND_Init;
  bool (*SetOutput)(int) = &FSOUND_SetOutput;
  FsoundSample (*Sample_Load)(int, const char*, unsigned, int, int) = &FSOUND_Sample_Load;
  int (*PlaySound)(int, FsoundSample) = &FSOUND_PlaySound;
  bool (*StopSound)(int) = &FSOUND_StopSound;
  void (*Sample_Free)(FsoundSample) = &FSOUND_Sample_Free;
  void (*Close)() = &FSOUND_Close;
};

// What the open output is doing (tools and tests).
std::string fsound_driver();  // the SDL audio driver in use, "" while closed
int fsound_rate();            // frames per second of the mix, 0 while closed
std::uint64_t fsound_mixed_frames();
// The samples loaded, and their bytes in the mixer's format.
std::pair<int, std::int64_t> fsound_samples_held();
// Hands every mixed chunk to `tap`, on the mixer's thread, as 16-bit mono samples
// at fsound_rate() (the format the output is opened in); an empty tap ends it.
using MixTap = std::function<void(const std::int16_t* samples, std::size_t count)>;
void fsound_tap_mix(MixTap tap);
// Waits until the mixer has mixed `frames` frames since the output opened (the
// mixer runs on its own thread). False on timeout or when the output is closed.
bool fsound_wait_mixed(std::uint64_t frames, std::chrono::milliseconds timeout);
// Frees what the library keeps for the calling thread; a thread that used it calls
// this last (SDL frees it by itself only for threads it started).
void fsound_end_thread();

}  // namespace vx
