// Sound start-up, play and shutdown as the launcher and the console drive them,
// watched call by call on the way to the real library (dummy driver).
#include <SDL.h>
#include <SDL_mixer.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>
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
  std::atomic<int> loads{0};              // samples tried, counted on any thread
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
    ++watched->loads;
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

// Standard error goes to a file while this lives.
class StderrFile {
 public:
  explicit StderrFile(std::filesystem::path file) : file_(std::move(file)) {
    std::fflush(stderr);
    saved_ = dup(2);
    const int fd = ::open(file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fd, 2);
    close(fd);
  }
  ~StderrFile() {
    std::fflush(stderr);
    dup2(saved_, 2);
    close(saved_);
  }
  // What was written since the last call.
  std::string take() {
    std::fflush(stderr);
    std::ifstream in(file_);
    const std::string all{std::istreambuf_iterator<char>(in), {}};
    return all.substr(std::exchange(read_, all.size()));
  }

 private:
  std::filesystem::path file_;
  int saved_ = -1;
  std::size_t read_ = 0;
};

// A start-up begun early on its own thread (the launcher will play at once) tells
// the player the same as one made at Play, in the same order among the messages
// the program gives meanwhile: the silent fallback on standard error, then the
// reinstall box when Bonus is missing; a changed choice starts anew.
TEST_F(SoundStartup, APreparedStartUpSaysTheSameInTheSameOrderAsOneMadeAtPlay) {
  struct Case {
    const char* what;
    const char* driver;
    bool bonus;
    int prepared_type;
    std::string_view choice;
    bool plays;
  };
  const Case cases[] = {
      {"all well", "dummy", true, kFsoundOutputDirectSound, "Microsoft DirectSound", true},
      {"no device", "no-such-device", true, kFsoundOutputMultiMedia, "Windows MultiMedia", true},
      {"Bonus missing", "dummy", false, kFsoundOutputDirectSound, "Microsoft DirectSound", false},
      {"no device, Bonus missing", "no-such-device", false, kFsoundOutputMultiMedia, "Windows MultiMedia", false},
      {"another choice at Play", "no-such-device", true, kFsoundOutputDirectSound, "Windows MultiMedia", true},
      {"no sound chosen at Play", "no-such-device", false, kFsoundOutputDirectSound, "(no sound)", true},
  };
  log.at_init = [] { return std::string(); };  // the store is read on the main thread only
  for (const Case& c : cases) {
    std::vector<std::string> told[2];
    for (const bool early : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (early ? ", prepared" : ", at Play"));
      SDL_setenv("SDL_AUDIODRIVER", c.driver, 1);
      const auto from = copy_sound_folder(tmp() / (std::string(c.what) + (early ? " early" : "")));
      if (!c.bonus) std::filesystem::remove(from / "Bonus.wav");
      std::vector<std::string>& said = told[early];
      {
        StderrFile err(tmp() / "stderr.txt");
        set_error_box([&](std::string_view text) {
          said.push_back(err.take());
          said.push_back("box: " + std::string(text) + " [SoundMode " + stored("SoundMode") + "]");
        });
        set_termination_hook({});
        if (sound) sound->shutdown();
        sound.reset();
        store.emplace();
        sound.emplace(from, watching_calls());
        log.loads = 0;
        if (early) {
          // The forms say their part after the thread has done all of its work.
          sound->prepare(c.prepared_type);
          const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
          while (log.loads < kEffectCount && std::chrono::steady_clock::now() < until) std::this_thread::yield();
          ASSERT_EQ(log.loads, kEffectCount);
        }
        std::fputs("forms: what the forms made meanwhile say\n", stderr);
        EXPECT_EQ(sound->start(c.choice, *store), c.plays);
        said.push_back(err.take());
        said.push_back("SoundMode " + stored("SoundMode") + ", SplashScreen " + stored("SplashScreen"));
      }
      take();
      if (c.plays && c.choice != "(no sound)") {
        sound->Snd_Play(Effect::Fire);
        EXPECT_EQ(take(), std::vector<std::string>{"Play 0 Fire.wav"});
      }
      EXPECT_EQ(termination_requested(), !c.plays);
    }
    EXPECT_EQ(told[1], told[0]) << c.what;
    const std::string all = testing::PrintToString(told[0]);
    EXPECT_EQ(all.find("no sound device") != std::string::npos, std::string_view(c.driver) != "dummy" &&
                                                                     c.choice != "(no sound)")
        << c.what << ": " << all;
    EXPECT_EQ(all.find("box: Sound folder") != std::string::npos, !c.plays) << c.what << ": " << all;
  }
}

}  // namespace
}  // namespace vx::test
