#include "sound/sound.h"

#include <cstdio>
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

Sound::~Sound() {
  if (preparing_.joinable()) preparing_.join();
}

void Sound::prepare(int output_type) {
  if (preparing_.joinable() || output_type == 0) return;
  prepared_type_ = output_type;
  preparing_ = std::thread([this, output_type] {
    hold_lines(&prepared_notices_);
    prepared_ok_ = load_library(output_type);
    hold_lines(nullptr);
    fsound_end_thread();
  });
}

bool Sound::finish_prepared(int output_type, bool& prepared_ok) {
  if (!preparing_.joinable()) return false;
  preparing_.join();
  if (prepared_type_ != output_type) {  // another choice: what was prepared goes unsaid
    prepared_notices_.clear();
    shutdown();
    return false;
  }
  std::fputs(prepared_notices_.c_str(), stderr);
  prepared_notices_.clear();
  prepared_ok = prepared_ok_;
  return true;
}

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
  bool prepared_ok = false;
  const bool prepared = finish_prepared(enabled_ ? output_type : -1, prepared_ok);
  if (prepared) enabled_ = true;
  if (!enabled_ || (prepared ? prepared_ok : open(output_type))) return true;

  show_error_box(kSoundFolderBroken);
  settings.write_int(SettingKey::SoundMode, -1);
  settings.write_bool(SettingKey::SplashScreen, true);
  request_termination(Ending::Fault);
  return false;
}

bool Sound::open(int output_type) {
  enabled_ = true;
  return load_library(output_type);
}

bool Sound::load_library(int output_type) {
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
  if (preparing_.joinable()) preparing_.join();
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

void Sound::pause(bool paused) {
  if (preparing_.joinable()) return;  // nothing plays before start-up ends
  fsound_pause(paused);
}

void Sound::set_volume(int percent, bool muted) {
  if (preparing_.joinable()) preparing_.join();  // the thread reads the level
  level_ = muted ? 0 : percent;
  fsound_master_volume(level_);
}

}  // namespace vx
