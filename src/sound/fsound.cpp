#include "sound/fsound.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <system_error>
#include <vector>

#include "platform/message_box.h"
#include "platform/sdl_library.h"

namespace vx {
namespace {
// SDL2 and SDL2_mixer, once the first output has opened them (samples and an open
// output exist only after that).
const SdlMixerFunctions* sdl = nullptr;
}  // namespace

struct FsoundSampleData {
  Mix_Chunk* chunk = nullptr;
  bool loops = false;
  ~FsoundSampleData() { sdl->Mix_FreeChunk(chunk); }  // also halts the channels playing it
};

namespace {

// Sound effects are short: a file may hold 16 MB, and expand to 8 MB in the
// mixer's format (about three minutes at 22050 Hz, 16-bit mono).
constexpr std::uintmax_t kMaxSampleFileBytes = 16u << 20;
constexpr std::uint64_t kMaxSampleBytes = 8u << 20;

// 256 frames at 22050 Hz: an effect starts within about 12 ms of its call.
constexpr int kChunkFrames = 256;
constexpr int kMixChannels = 1;  // one buzzer; SDL spreads it over the device's speakers

struct Library {
  bool initialised = false;
  bool open = false;
  int rate = 0;
  int channels = 0;
  std::string driver;
  bool silent_said = false;   // once per run of the library
  bool missing_said = false;  // likewise
  std::vector<std::unique_ptr<FsoundSampleData>> samples;  // every sample still loaded
};
// The program may end without FSOUND_Close while the mixer thread still runs:
// the state it touches is never destroyed.
Library& lib = *new Library;

// The mixer thread counts what it has mixed; waiters sleep on the condition.
std::mutex& mixed_mutex = *new std::mutex;
std::condition_variable& mixed_changed = *new std::condition_variable;
std::uint64_t mixed_frames = 0;
int bytes_per_frame = 2;

MixTap& mix_tap = *new MixTap;  // guarded by mixed_mutex

void SDLCALL count_mixed(void*, Uint8* stream, int len) {
  {
    std::lock_guard lock(mixed_mutex);
    mixed_frames += static_cast<std::uint64_t>(len / bytes_per_frame);
    if (mix_tap) mix_tap(reinterpret_cast<const std::int16_t*>(stream), static_cast<std::size_t>(len) / 2);
  }
  mixed_changed.notify_all();
}

// One attempt at the audio subsystem plus the mixer on `driver` (nullptr: what
// SDL_AUDIODRIVER says, else SDL's own order of drivers).
bool try_open(const char* driver) {
  if (driver)
    sdl->SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
  else
    sdl->SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  bool opened = false;
  if (sdl->SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    opened = sdl->Mix_OpenAudioDevice(lib.rate, AUDIO_S16SYS, kMixChannels, kChunkFrames, nullptr, 0) == 0;
    if (!opened) sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  sdl->SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  return opened;
}

// SDL2 and SDL2_mixer are opened with the first output. Without them no output
// opens, not even the silent one: said once, naming the library.
bool load_library() {
  std::string why;
  sdl = sdl_mixer_library(&why);
  if (!sdl) {
    if (!lib.missing_said) say_line("sound: the sound library cannot be loaded (" + why + ")\n");
    lib.missing_said = true;
    return false;
  }
  sdl->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // Ctrl+C still ends the program
  sdl->SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");  // a cut-off file does not load
  return true;
}

bool open_output(int outputtype) {
  if (!load_library()) return false;
  const char* wished = std::getenv("SDL_AUDIODRIVER");
  const bool overridden = wished && *wished;
  bool opened = !overridden && outputtype == kFsoundOutputMultiMedia && try_open("alsa");
  if (!opened) opened = try_open(nullptr);
  if (!opened) {
    const std::string why = sdl->SDL_GetError();
    opened = try_open("dummy");
    if (!lib.silent_said) {
      lib.silent_said = true;
      say_line("sound: no sound device could be opened (" + why + "); the game runs silent\n");
    }
  }
  if (!opened) return false;

  int rate = 0, channels = 0;
  Uint16 format = 0;
  sdl->Mix_QuerySpec(&rate, &format, &channels);
  sdl->Mix_AllocateChannels(lib.channels);
  {
    std::lock_guard lock(mixed_mutex);
    mixed_frames = 0;
    bytes_per_frame = std::max(1, static_cast<int>(SDL_AUDIO_BITSIZE(format)) / 8 * channels);
  }
  lib.open = true;
  lib.rate = rate;
  const char* name = sdl->SDL_GetCurrentAudioDriver();
  lib.driver = name ? name : "";
  sdl->Mix_SetPostMix(&count_mixed, nullptr);
  return true;
}

// The whole file, when it is a regular file (a pipe would block start-up) no
// larger than a sound effect may be.
bool read_sound_file(const char* name, std::vector<std::uint8_t>& bytes) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(name, ec);  // fails for anything but a regular file
  if (ec || size > kMaxSampleFileBytes) return false;
  std::ifstream in(name, std::ios::binary);
  bytes.resize(static_cast<std::size_t>(size));
  return in && in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Decodes a WAV file into the mixer's format, unless it would expand beyond
// kMaxSampleBytes there (a long file at a low rate grows by the ratio of the rates).
Mix_Chunk* load_wav(const char* name) {
  std::vector<std::uint8_t> bytes;
  if (!read_sound_file(name, bytes)) return nullptr;
  SDL_AudioSpec wav;
  Uint8* pcm = nullptr;
  Uint32 pcm_bytes = 0;
  if (!sdl->SDL_LoadWAV_RW(sdl->SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, &wav, &pcm,
                           &pcm_bytes))
    return nullptr;
  sdl->SDL_FreeWAV(pcm);
  int rate = 0, channels = 0;
  Uint16 format = 0;
  sdl->Mix_QuerySpec(&rate, &format, &channels);
  const std::uint64_t frame_bytes = std::max(1u, SDL_AUDIO_BITSIZE(wav.format) / 8u * wav.channels);
  const std::uint64_t frames = pcm_bytes / frame_bytes;
  const std::uint64_t mixed_bytes = frames * static_cast<std::uint64_t>(rate) / std::max(1, wav.freq) *
                                    (SDL_AUDIO_BITSIZE(format) / 8u) * static_cast<std::uint64_t>(channels);
  if (mixed_bytes > kMaxSampleBytes) return nullptr;
  return sdl->Mix_LoadWAV_RW(sdl->SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
}

auto find_sample(FsoundSample sample) {
  return std::find_if(lib.samples.begin(), lib.samples.end(), [&](const auto& s) { return s.get() == sample; });
}

}  // namespace

bool FSOUND_Init(int mixrate, int maxchannels, unsigned) {
  if (lib.initialised || mixrate < 4000 || mixrate > 192000 || maxchannels < 1 || maxchannels > 4096) return false;
  lib.initialised = true;
  lib.rate = mixrate;
  lib.channels = maxchannels;
  return true;
}

bool FSOUND_SetOutput(int outputtype) {
  if (!lib.initialised || lib.open) return false;
  return open_output(outputtype);
}

FsoundSample FSOUND_Sample_Load(int, const char* name, unsigned mode, int offset, int length) {
  if (!lib.initialised || !name || offset != 0 || length != 0) return nullptr;
  if (!lib.open && !open_output(kFsoundOutputDirectSound)) return nullptr;
  Mix_Chunk* chunk = load_wav(name);
  if (!chunk) return nullptr;
  auto sample = std::make_unique<FsoundSampleData>();
  sample->chunk = chunk;
  sample->loops = (mode & kFsoundLoopNormal) != 0;
  lib.samples.push_back(std::move(sample));
  return lib.samples.back().get();
}

int FSOUND_PlaySound(int channel, FsoundSample sample) {
  if (!sample || !lib.open || find_sample(sample) == lib.samples.end()) return -1;
  if (channel != kFsoundFreeSlot && (channel < 0 || channel >= lib.channels)) return -1;
  return sdl->Mix_PlayChannel(channel, sample->chunk, sample->loops ? -1 : 0);
}

bool FSOUND_StopSound(int channel) {
  if (!lib.open) return false;
  if (channel == kFsoundAllChannels) channel = -1;
  else if (channel < 0 || channel >= lib.channels) return false;
  sdl->Mix_HaltChannel(channel);
  return true;
}

void FSOUND_Sample_Free(FsoundSample sample) {
  if (!sample) return;
  const auto it = find_sample(sample);
  if (it != lib.samples.end()) lib.samples.erase(it);
}

void FSOUND_Close() {
  if (lib.open) {
    sdl->Mix_HaltChannel(-1);
    lib.samples.clear();
    sdl->Mix_SetPostMix(nullptr, nullptr);
    sdl->Mix_CloseAudio();
    sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  lib = Library{};
  {
    std::lock_guard lock(mixed_mutex);
    mixed_frames = 0;
  }
  mixed_changed.notify_all();
}

void fsound_end_thread() {
  if (sdl) sdl->SDL_TLSCleanup();
}

std::string fsound_driver() { return lib.driver; }
int fsound_rate() { return lib.open ? lib.rate : 0; }

void fsound_tap_mix(MixTap tap) {
  std::lock_guard lock(mixed_mutex);
  mix_tap = std::move(tap);
}

std::pair<int, std::int64_t> fsound_samples_held() {
  std::pair<int, std::int64_t> held{0, 0};
  for (const auto& s : lib.samples) {
    ++held.first;
    held.second += s->chunk->alen;
  }
  return held;
}

std::uint64_t fsound_mixed_frames() {
  std::lock_guard lock(mixed_mutex);
  return mixed_frames;
}

bool fsound_wait_mixed(std::uint64_t frames, std::chrono::milliseconds timeout) {
  if (!lib.open) return false;
  std::unique_lock lock(mixed_mutex);
  return mixed_changed.wait_for(lock, timeout, [&] { return mixed_frames >= frames; });
}

}  // namespace vx
