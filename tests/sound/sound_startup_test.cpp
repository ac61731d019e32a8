// Sound start-up, play and shutdown as the launcher and the console drive them,
// watched call by call on the way to the real library (dummy driver).
#include <SDL.h>
#include <SDL_mixer.h>

#include <fstream>
#include <map>
#include <optional>

#include "platform/message_box.h"
#include "platform/termination.h"
#include "sound/sound.h"
#include "sound_test_support.h"

namespace vx::test {
namespace {

// Every call on its way to the real layer, with the effect a handle belongs to.
struct CallLog {
  std::vector<std::string> calls;
  std::map<FsoundSample, std::string> names;
  std::function<std::string()> at_init;  // what to note when the library starts
  std::string name(FsoundSample s) { return s ? names[s] : "0"; }
};
CallLog* watched = nullptr;

FsoundCalls watching_calls() {
  FsoundCalls c;
  c.Init = [](int rate, int channels, unsigned flags) {
    watched->calls.push_back("Init " + std::to_string(rate) + " " + std::to_string(channels) + " " +
                             std::to_string(flags) + watched->at_init());
    return FSOUND_Init(rate, channels, flags);
  };
  c.SetOutput = [](int type) {
    watched->calls.push_back("SetOutput " + std::to_string(type));
    return FSOUND_SetOutput(type);
  };
  c.Sample_Load = [](int index, const char* name, unsigned mode, int offset, int length) {
    const FsoundSample s = FSOUND_Sample_Load(index, name, mode, offset, length);
    const std::string file = std::filesystem::path(name).filename().string();
    watched->calls.push_back("Load " + std::to_string(index) + " " + file + " " + std::to_string(mode) + " " +
                             std::to_string(offset) + " " + std::to_string(length) + (s ? "" : " failed"));
    if (s) watched->names[s] = file;
    return s;
  };
  c.PlaySound = [](int channel, FsoundSample s) {
    watched->calls.push_back("Play " + std::to_string(channel) + " " + watched->name(s));
    return FSOUND_PlaySound(channel, s);
  };
  c.StopSound = [](int channel) {
    watched->calls.push_back("Stop " + std::to_string(channel));
    return FSOUND_StopSound(channel);
  };
  c.Sample_Free = [](FsoundSample s) {
    watched->calls.push_back("Free " + watched->name(s));
    FSOUND_Sample_Free(s);
  };
  c.Close = [] {
    watched->calls.push_back("Close");
    FSOUND_Close();
  };
  return c;
}

std::vector<std::string> load_order_names() {
  std::vector<std::string> v;
  for (auto n : kEffectNames) v.push_back(std::string(n) + ".wav");
  return v;
}

struct SoundStartup : SoundTest {
  CallLog log;
  std::filesystem::path folder;
  std::vector<std::string> box_texts;
  void SetUp() override {
    SoundTest::SetUp();
    watched = &log;
    log.at_init = [this] { return " with SoundMode " + stored("SoundMode"); };
    folder = copy_sound_folder(tmp());
    set_termination_hook({});
    set_error_box([this](std::string_view text) {
      box_texts.push_back(std::string(text) + " [SoundMode " + stored("SoundMode") + ", SplashScreen " +
                          stored("SplashScreen") + "]");
    });
  }
  // Sound start-up with `choice`, the effects taken from `from`.
  std::optional<SettingsStore> store;
  std::optional<Sound> sound;
  bool start(const std::filesystem::path& from, std::string_view choice) {
    if (sound) sound->shutdown();
    sound.reset();
    store.emplace();
    sound.emplace(from, watching_calls());
    return sound->start(choice, *store);
  }
  void TearDown() override {
    if (sound) sound->shutdown();
    set_error_box({});
    watched = nullptr;
    SoundTest::TearDown();
  }
  std::vector<std::string> take() { return std::exchange(log.calls, {}); }
};

TEST_F(SoundStartup, NoSoundOpensNothingAndOnlyFreesAndClosesAtShutdown) {
  EXPECT_TRUE(start(folder, "(no sound)"));
  EXPECT_EQ(stored("SoundMode"), "2");
  EXPECT_FALSE(sound->enabled());
  for (int i = 0; i < kEffectCount; ++i) sound->Snd_Play(static_cast<Effect>(i));
  sound->Snd_Silence();
  EXPECT_EQ(take(), std::vector<std::string>{});
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "the sound library was started";

  sound->shutdown();
  std::vector<std::string> expected(kEffectCount, "Free 0");
  expected.push_back("Close");
  EXPECT_EQ(take(), expected);
}

TEST_F(SoundStartup, DirectSoundWritesItsChoiceFirstThenLoadsTheFourteenInOrder) {
  ASSERT_TRUE(start(folder, "Microsoft DirectSound"));
  EXPECT_TRUE(sound->enabled());
  std::vector<std::string> expected{"Init 22050 64 0 with SoundMode 0", "SetOutput 2"};
  for (const auto& file : load_order_names())
    expected.push_back("Load -1 " + file + (file == "Thrust.wav" ? " 2 0 0" : " 8192 0 0"));
  EXPECT_EQ(take(), expected);
  EXPECT_EQ(stored("SoundMode"), "0");
  EXPECT_EQ(stored("SplashScreen"), "") << "the launcher writes that, not sound start-up";

  sound->Snd_Play(Effect::Fire);
  sound->Snd_Silence();
  sound->Snd_Play(Effect::Thrust);
  EXPECT_EQ(take(), (std::vector<std::string>{"Play 0 Fire.wav", "Stop -3", "Play 0 Thrust.wav"}));
  EXPECT_EQ(Mix_Playing(0), 1);

  sound->shutdown();
  expected.clear();
  for (const auto& file : load_order_names()) expected.push_back("Free " + file);
  expected.push_back("Close");
  EXPECT_EQ(take(), expected);
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(SoundStartup, MultiMediaPassesOutputTypeOne) {
  ASSERT_TRUE(start(folder, "Windows MultiMedia"));
  const auto calls = take();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[0], "Init 22050 64 0 with SoundMode 1");
  EXPECT_EQ(calls[1], "SetOutput 1");
}

TEST_F(SoundStartup, AMissingSoundFolderSaysSoAndLeavesTheLauncherToChooseAgain) {
  store_raw("SplashScreen", "0");
  EXPECT_FALSE(start(tmp() / "NoSuchFolder", "Microsoft DirectSound"));
  // The message comes first, while the store still holds the choice just made.
  EXPECT_EQ(box_texts, std::vector<std::string>{
                           "Sound folder unproperly installed. Please reinstall the game. [SoundMode 0, SplashScreen 0]"});
  EXPECT_EQ(stored("SoundMode"), "-1");
  EXPECT_EQ(stored("SplashScreen"), "1");
  EXPECT_TRUE(termination_requested());
  sound->Snd_Play(Effect::Fire);  // nothing loaded: silent, no crash
}

TEST_F(SoundStartup, OnlyBonusDecidesFailure) {
  std::filesystem::remove(folder / "Bonus.wav");
  EXPECT_FALSE(start(folder, "Windows MultiMedia"));
  EXPECT_EQ(box_texts.size(), 1u);

  // Every other file missing or broken: start-up goes on, those effects are silent.
  box_texts.clear();
  const auto others = copy_sound_folder(tmp() / "others");
  for (const char* gone : {"Complete.wav", "Fire.wav", "Tick.wav"}) std::filesystem::remove(others / gone);
  std::ofstream(others / "Hit.wav") << "RIFF$ WAVE broken";
  set_termination_hook({});
  EXPECT_TRUE(start(others, "Microsoft DirectSound"));
  EXPECT_TRUE(box_texts.empty());
  EXPECT_FALSE(termination_requested());
  EXPECT_EQ(stored("SoundMode"), "0");
}

TEST_F(SoundStartup, WithoutTickTheGameRunsAndOnlyTheTicksAreSilent) {
  std::filesystem::remove(folder / "Tick.wav");
  ASSERT_TRUE(start(folder, "Microsoft DirectSound"));
  take();
  sound->Snd_Play(Effect::Thrust);
  sound->Snd_Play(Effect::Tick);
  EXPECT_EQ(take(), (std::vector<std::string>{"Play 0 Thrust.wav", "Play 0 0"}));
  EXPECT_EQ(Mix_Playing(0), 1) << "a missing Tick leaves the thrust alone";
  for (int i = 0; i < kEffectCount; ++i) {
    if (static_cast<Effect>(i) == Effect::Tick) continue;
    sound->Snd_Play(static_cast<Effect>(i));
    EXPECT_EQ(Mix_Playing(0), 1) << kEffectNames[i];
  }
}

}  // namespace
}  // namespace vx::test
