// vornix-sound-replay [--data-dir DIR] [--wav FILE] [EVENTS|-]: plays the sound
// events of vornix-script's dumps at their times, through the sound device, or
// into FILE as a WAV (SDL's disk driver, faster than real time).
//   vornix-script game.vxs | vornix-sound-replay --wav game.wav
#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "sound/sound.h"
#include "sound_replay.h"
#include "sound_wav.h"

namespace {

int usage() {
  std::cerr << "usage: vornix-sound-replay [--data-dir DIR] [--wav FILE] [EVENTS|-]\n";
  return 2;
}

// The disk driver's file (the 16-bit mono mix) as a WAV.
void raw_to_wav(const std::filesystem::path& raw, const std::filesystem::path& wav) {
  std::ifstream in(raw, std::ios::binary);
  std::int16_t sample;
  vx::assets::Wave mix;
  while (in.read(reinterpret_cast<char*>(&sample), sizeof sample)) mix.push_back(sample / 32767.0f);
  vx::assets::write_wav(wav, mix);
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path data_dir = ".", wav;
  std::string events_file = "-";
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--data-dir" && i + 1 < argc) data_dir = argv[++i];
    else if (a == "--wav" && i + 1 < argc) wav = argv[++i];
    else if (a.starts_with("--") || i + 1 != argc) return usage();
    else events_file = a;
  }
  std::vector<vx::SoundEvent> events;
  try {
    std::ifstream file;
    if (events_file != "-") {
      file.open(events_file);
      if (!file) {
        std::cerr << events_file << ": cannot be read\n";
        return 1;
      }
    }
    events = vx::read_sound_events(events_file == "-" ? std::cin : file);
  } catch (const std::exception& e) {
    std::cerr << events_file << ": " << e.what() << '\n';
    return 1;
  }

  const std::filesystem::path raw = wav.string() + ".raw";
  if (!wav.empty()) {
    SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
    SDL_setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    SDL_setenv("SDL_DISKAUDIODELAY", "1", 1);
  }
  vx::Sound sound(data_dir / "Sound");
  if (!sound.open(vx::kFsoundOutputDirectSound)) {
    std::cerr << (data_dir / "Sound" / "Bonus.wav").string() << ": cannot be loaded\n";
    sound.shutdown();
    return 1;
  }
  const bool played = vx::replay_sound_events(events, sound, 6000);
  sound.shutdown();
  if (!played) std::cerr << "vornix-sound-replay: the mixer stopped\n";
  if (!wav.empty()) {
    try {
      raw_to_wav(raw, wav);
    } catch (const std::exception& e) {
      std::cerr << e.what() << '\n';
      return 1;
    }
    std::filesystem::remove(raw);
  }
  return played ? 0 : 1;
}
