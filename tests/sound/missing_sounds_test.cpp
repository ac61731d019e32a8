// Each of the fourteen sound files missing in turn, in the process, on SDL's
// silent driver: without Bonus the sound folder counts as not installed (the
// reinstall message, the launcher asked for next time, the program told to end);
// without any other, sound starts and only that effect is silent. So it is when
// the file is hostile: a pipe (never opened: start-up does not wait on it), a
// folder, or a WAV that would grow to hundreds of megabytes in the mixer.
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "platform/message_box.h"
#include "platform/termination.h"
#include "sound/sound.h"
#include "support/installation.h"

namespace vx::test {
namespace {

TEST(MissingSounds, EachFileInTurnSilencesOnlyItsEffectAndBonusEndsTheProgram) {
  std::vector<std::string> messages;
  set_error_box([&](std::string_view text) { messages.emplace_back(text); });
  for (int gone = 0; gone < kEffectCount; ++gone) {
    const std::string file = std::string(kEffectNames[gone]) + ".wav";
    SCOPED_TRACE(file);
    set_termination_hook({});
    messages.clear();
    MissingFile missing(installed("Sound\\" + file));
    SettingsStore settings;
    Sound sound(installed("Sound"));
    const bool started = sound.start("Microsoft DirectSound", settings);
    if (static_cast<Effect>(gone) == Effect::Bonus) {
      EXPECT_FALSE(started);
      EXPECT_EQ(messages, std::vector<std::string>{"Sound folder unproperly installed. Please reinstall the game."});
      EXPECT_TRUE(termination_requested());
      EXPECT_EQ(settings.read_int(SettingKey::SoundMode), -1);
      EXPECT_TRUE(settings.read_bool(SettingKey::SplashScreen));
    } else {
      EXPECT_TRUE(started);
      EXPECT_TRUE(messages.empty());
      EXPECT_FALSE(termination_requested());
      for (int played = 0; played < kEffectCount; ++played) {
        sound.Snd_Silence();
        sound.Snd_Play(static_cast<Effect>(played));
        EXPECT_EQ(Mix_Playing(0), played == gone ? 0 : 1) << kEffectNames[played];
      }
    }
    sound.shutdown();
    settings.close();
  }
  set_error_box({});
}

// A WAV of `seconds` of 8-bit mono sound at 100 frames a second: a small file
// that the mixer's 22050 Hz, 16-bit format would make 441 times larger.
Bytes slow_wav(std::uint32_t seconds) {
  const std::uint32_t data = seconds * 100;
  Bytes b;
  auto text = [&](const char* t) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(t[i]));
  };
  auto le = [&](std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  text("RIFF");
  le(36 + data, 4);
  text("WAVE");
  text("fmt ");
  le(16, 4);
  le(1, 2);    // PCM
  le(1, 2);    // mono
  le(100, 4);  // frames a second
  le(100, 4);  // bytes a second
  le(1, 2);    // bytes a frame
  le(8, 2);    // bits a sample
  text("data");
  le(data, 4);
  b.resize(b.size() + data, 0x80);
  return b;
}

TEST(MissingSounds, AHostileTickFileSilencesOnlyTheTick) {
  using Make = std::function<void(const std::filesystem::path&)>;
  const std::pair<const char*, Make> cases[] = {
      {"a pipe", [](const std::filesystem::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); }},
      {"a folder", [](const std::filesystem::path& f) { std::filesystem::create_directory(f); }},
      {"a WAV of 10000 s at 100 Hz", [](const std::filesystem::path& f) { write_file(f, slow_wav(10000)); }},
  };
  set_termination_hook({});
  for (const auto& [what, make] : cases) {
    SCOPED_TRACE(what);
    const std::filesystem::path tick = installed("Sound\\Tick.wav");
    MissingFile gone(tick);
    make(tick);
    SettingsStore settings;
    Sound sound(installed("Sound"));
    EXPECT_TRUE(sound.start("Microsoft DirectSound", settings));
    for (int played = 0; played < kEffectCount; ++played) {
      sound.Snd_Silence();
      sound.Snd_Play(static_cast<Effect>(played));
      EXPECT_EQ(Mix_Playing(0), static_cast<Effect>(played) == Effect::Tick ? 0 : 1) << kEffectNames[played];
    }
    sound.shutdown();
    settings.close();
    std::filesystem::remove_all(tick);
  }
  EXPECT_FALSE(termination_requested());
}

}  // namespace
}  // namespace vx::test
