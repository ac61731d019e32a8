#include "sound/sound.h"

#include <string>
#include <utility>

#include "platform/message_box.h"
#include "platform/termination.h"
#include "sound/sound_pause.h"

namespace vx {
namespace {

// The one effect that loops; the others play once.
unsigned load_mode(Effect e) { return e == Effect::Thrust ? kFsoundLoopNormal : kFsoundPlainOnce; }

constexpr std::string_view kSoundFolderBroken = "Sound folder unproperly installed. Please reinstall the game.";

}  // namespace

Sound::Sound(std::filesystem::path folder, FsoundCalls calls) : folder_(std::move(folder)), fsound_(calls) {}

bool Sound::start(std::string_view choice, SettingsStore& settings) {
  // "(no sound)" is compared first, then "Windows MultiMedia", then "Microsoft
  // DirectSound"; the texts differ, so the list order finds the same entry.
  int output_type = 0;
  for (int mode = 0; mode < static_cast<int>(kSoundOutputs.size()); ++mode) {
    if (kSoundOutputs[mode].choice != choice) continue;
    enabled_ = kSoundOutputs[mode].enabled;
    output_type = kSoundOutputs[mode].output_type;
    settings.write_int(SettingKey::SoundMode, mode);
    break;
  }
  if (!enabled_ || open(output_type)) return true;

  show_error_box(kSoundFolderBroken);
  settings.write_int(SettingKey::SoundMode, -1);
  settings.write_bool(SettingKey::SplashScreen, true);
  request_termination(Ending::Fault);
  return false;
}

bool Sound::open(int output_type) {
  enabled_ = true;
  fsound_.Init(22050, 64, 0);
  fsound_.SetOutput(output_type);
  fsound_master_volume(level_);
  for (int i = 0; i < kEffectCount; ++i) {
    const auto e = static_cast<Effect>(i);
    const std::filesystem::path file = folder_ / (std::string(effect_name(e)) + ".wav");
    const std::u8string path = file.u8string();
    samples_[i] = fsound_.Sample_Load(kFsoundFreeSlot, reinterpret_cast<const char*>(path.c_str()), load_mode(e), 0, 0);
  }
  return samples_[static_cast<int>(Effect::Bonus)] != nullptr;
}

void Sound::shutdown() {
  for (FsoundSample& s : samples_) {
    fsound_.Sample_Free(s);
    s = nullptr;
  }
  fsound_.Close();
}

void Sound::Snd_Play(Effect effect) {
  if (enabled_) fsound_.PlaySound(0, samples_[static_cast<int>(effect)]);
}

void Sound::Snd_Silence() {
  if (enabled_) fsound_.StopSound(kFsoundAllChannels);
}

void Sound::pause(bool paused) { fsound_pause(paused); }

void Sound::set_volume(int percent, bool muted) {
  level_ = muted ? 0 : percent;
  fsound_master_volume(level_);
}

}  // namespace vx
