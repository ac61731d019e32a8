// Each of the fourteen sound files missing in turn, in the process, on SDL's
// silent driver: without Bonus the sound folder counts as not installed (the
// reinstall message, the launcher asked for next time, the program told to end);
// without any other, sound starts and only that effect is silent.
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include "installation.h"
#include "platform/message_box.h"
#include "platform/termination.h"
#include "sound/sound.h"

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

}  // namespace
}  // namespace vx::test
