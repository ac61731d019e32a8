#include "sound_test_support.h"

#include <SDL.h>

#include <QSettings>
#include <cstring>
#include <fstream>

#include "sound/fsound.h"
#include "synth/sounds.h"

namespace vx::test {

const std::filesystem::path& generated_sound_folder() {
  static QTemporaryDir dir;
  static const std::filesystem::path folder = [] {
    assets::write_sounds(dir.path().toStdString());
    return std::filesystem::path(dir.path().toStdString()) / "Sound";
  }();
  return folder;
}

std::filesystem::path copy_sound_folder(const std::filesystem::path& dir) {
  const auto to = dir / "Sound";
  std::filesystem::create_directories(dir);
  std::filesystem::copy(generated_sound_folder(), to, std::filesystem::copy_options::recursive);
  return to;
}

Samples decode_wav(const std::filesystem::path& file) {
  SDL_AudioSpec wav_format{};
  Uint8* buf = nullptr;
  Uint32 len = 0;
  if (!SDL_LoadWAV(file.c_str(), &wav_format, &buf, &len)) {
    ADD_FAILURE() << file << ": " << SDL_GetError();
    return {};
  }
  Samples s(len / 2);
  std::memcpy(s.data(), buf, s.size() * 2);
  SDL_FreeWAV(buf);
  EXPECT_EQ(wav_format.freq, 22050) << file;
  EXPECT_EQ(wav_format.format, AUDIO_S16LSB) << file;
  EXPECT_EQ(wav_format.channels, 1) << file;
  return s;
}

Samples effect_samples(Effect e) {
  return decode_wav(generated_sound_folder() / (std::string(effect_name(e)) + ".wav"));
}

int frames_of_ms(int ms) { return ms * 22050 / 1000; }

Samples read_disk_mix(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  Samples mix;
  std::int16_t sample;
  while (in.read(reinterpret_cast<char*>(&sample), sizeof sample)) mix.push_back(sample);
  return mix;
}

long find_effect(const Samples& mix, const Samples& effect, long from) {
  const long n = std::min<long>(256, static_cast<long>(effect.size()));
  for (long i = std::max(0L, from); i + n <= static_cast<long>(mix.size()); ++i)
    if (std::equal(effect.begin(), effect.begin() + n, mix.begin() + i)) return i;
  return -1;
}

bool silent(const Samples& mix, long from, long to) {
  to = std::min<long>(to, static_cast<long>(mix.size()));
  for (long i = std::max(0L, from); i < to; ++i)
    if (mix[i] != 0) return false;
  return true;
}

void SoundTest::SetUp() {
  ASSERT_TRUE(dir_.isValid());
  qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  driver_before_ = qgetenv("SDL_AUDIODRIVER").toStdString();
  generated_sound_folder();
}

void SoundTest::TearDown() {
  FSOUND_Close();
  if (driver_before_.empty())
    qunsetenv("SDL_AUDIODRIVER");
  else
    qputenv("SDL_AUDIODRIVER", driver_before_.c_str());
}

std::string SoundTest::stored(const char* name) const {
  return QSettings(dir_.path() + "/Brimlock/Vornix50.conf", QSettings::NativeFormat)
      .value(name)
      .toString()
      .toStdString();
}

void SoundTest::store_raw(const char* name, const char* text) const {
  QSettings(dir_.path() + "/Brimlock/Vornix50.conf", QSettings::NativeFormat).setValue(name, text);
}

std::filesystem::path SoundTest::use_disk_driver() const {
  const auto file = tmp() / "mix.raw";
  SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
  SDL_setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
  SDL_setenv("SDL_DISKAUDIODELAY", "2", 1);  // 11.6 ms of sound every 2 ms
  return file;
}

}  // namespace vx::test
