// vornix-sound-replay [--data-dir DIR] [--wav FILE] [EVENTS|-]: plays the sound
// events of vornix-script's dumps at their times, through the sound device, or
// into FILE as a WAV (mixed faster than real time, written whole or not at all).
//   vornix-script game.vxs | vornix-sound-replay --wav game.wav
#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "sound/sound.h"
#include "sound_replay.h"
#include "synth/sound_wav.h"

namespace {

int usage() {
  std::cerr << "usage: vornix-sound-replay [--data-dir DIR] [--wav FILE] [EVENTS|-]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path data_dir = ".", wav;
  std::string events_file = "-";
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--data-dir" && i + 1 < argc)
      data_dir = argv[++i];
    else if (a == "--wav" && i + 1 < argc)
      wav = argv[++i];
    else if (a.starts_with("--") || i + 1 != argc)
      return usage();
    else
      events_file = a;
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

  // To a file: SDL's disk driver paces the mixer as fast as it goes and writes
  // nowhere; the mix is kept as it is made and written whole at the end.
  std::vector<std::int16_t> mix;
  if (!wav.empty()) {
    SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
    SDL_setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    SDL_setenv("SDL_DISKAUDIODELAY", "1", 1);
    vx::fsound_tap_mix(
        [&mix](const std::int16_t* samples, std::size_t count) { mix.insert(mix.end(), samples, samples + count); });
  }
  vx::Sound sound(data_dir / "Sound");
  if (!sound.open(vx::kFsoundOutputDirectSound)) {
    std::cerr << (data_dir / "Sound" / "Bonus.wav").string() << ": cannot be loaded\n";
    sound.shutdown();
    return 1;
  }
  const bool played = vx::replay_sound_events(events, sound, 6000);
  sound.shutdown();  // the mixer has stopped: the mix is complete
  vx::fsound_tap_mix({});
  if (!played) {
    std::cerr << "vornix-sound-replay: the mixer stopped\n";
    return 1;
  }
  if (!wav.empty()) {
    vx::assets::Wave wave(mix.size());
    std::transform(mix.begin(), mix.end(), wave.begin(), [](std::int16_t v) { return v / 32767.0f; });
    try {
      vx::assets::write_wav(wav, wave);
    } catch (const std::exception& e) {
      std::cerr << e.what() << '\n';
      return 1;
    }
  }
  return 0;
}
