#include "sound/sound.h"

namespace vx {

// Placeholder until the SDL2_mixer layer lands: records the choice, plays nothing.
bool Sound::start(std::string_view choice, SettingsStore& settings) {
  enabled_ = choice != "(no sound)";
  settings.write_int(SettingKey::SoundMode, choice == "(no sound)" ? 2 : choice == "Windows MultiMedia" ? 1 : 0);
  return true;
}
void Sound::shutdown() {}
void Sound::Snd_Play(Effect) {}
void Sound::Snd_Silence() {}

}  // namespace vx
