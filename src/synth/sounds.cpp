// The "Sound" folder: the fourteen effects, one WAV file each (synth/sounds.h).
#include "synth/sounds.h"

#include <string>

#include "synth/sound_effects.h"
#include "synth/sound_wav.h"

namespace vx::assets {

void write_sounds(const std::filesystem::path& data_dir) {
  const std::filesystem::path folder = data_dir / "Sound";
  std::filesystem::create_directories(folder);
  for (int i = 0; i < kEffectCount; ++i) {
    const auto e = static_cast<Effect>(i);
    write_wav(folder / (std::string(effect_name(e)) + ".wav"), synth_effect(e));
  }
}

}  // namespace vx::assets
