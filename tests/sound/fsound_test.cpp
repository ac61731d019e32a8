// The FSOUND layer on real SDL (the dummy driver unless a test asks for another):
// what the console relies on from each of the seven calls.
#include <SDL.h>
#include <SDL_mixer.h>

#include <fstream>

#include "sound/fsound.h"
#include "sound_test_support.h"

namespace vx::test {
namespace {

using namespace std::chrono_literals;

struct Fsound : SoundTest {
  std::string file(Effect e) const { return (generated_sound_folder() / (std::string(effect_name(e)) + ".wav")).string(); }
  FsoundSample load(Effect e, unsigned mode = kFsoundPlainOnce) const {
    return FSOUND_Sample_Load(kFsoundFreeSlot, file(e).c_str(), mode, 0, 0);
  }
  void open() const {
    ASSERT_TRUE(FSOUND_Init(22050, 64, 0));
    ASSERT_TRUE(FSOUND_SetOutput(kFsoundOutputDirectSound));
  }
};

TEST_F(Fsound, CloseIsSafeWithoutInitAndNothingWorksBeforeInit) {
  FSOUND_Close();
  FSOUND_Close();
  EXPECT_FALSE(FSOUND_SetOutput(kFsoundOutputDirectSound));
  EXPECT_EQ(load(Effect::Fire), nullptr);
  EXPECT_EQ(FSOUND_PlaySound(0, nullptr), -1);
  EXPECT_FALSE(FSOUND_StopSound(kFsoundAllChannels));
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  // And the library starts normally afterwards, once.
  open();
  EXPECT_FALSE(FSOUND_Init(22050, 64, 0));
  EXPECT_NE(load(Effect::Fire), nullptr);
  FSOUND_Close();
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  EXPECT_EQ(fsound_driver(), "");
}

TEST_F(Fsound, AZeroHandleIsNothingForPlayAndFree) {
  open();
  const FsoundSample thrust = load(Effect::Thrust, kFsoundLoopNormal);
  ASSERT_NE(thrust, nullptr);
  ASSERT_EQ(FSOUND_PlaySound(0, thrust), 0);
  EXPECT_EQ(FSOUND_PlaySound(0, nullptr), -1);
  EXPECT_EQ(Mix_Playing(0), 1) << "an empty handle must not cut channel 0";
  FSOUND_Sample_Free(nullptr);
  EXPECT_EQ(Mix_Playing(0), 1);
  // A released handle is released once; freeing it again does nothing.
  FSOUND_Sample_Free(thrust);
  EXPECT_EQ(Mix_Playing(0), 0);
  FSOUND_Sample_Free(thrust);
  EXPECT_EQ(FSOUND_PlaySound(0, thrust), -1);
}

TEST_F(Fsound, ChannelZeroReplacesAndStopAllSilencesEveryChannel) {
  open();
  const FsoundSample fire = load(Effect::Fire), hit = load(Effect::Hit), bonus = load(Effect::Bonus);
  ASSERT_TRUE(fire && hit && bonus);
  EXPECT_EQ(FSOUND_PlaySound(0, fire), 0);
  EXPECT_EQ(FSOUND_PlaySound(0, hit), 0);
  EXPECT_EQ(Mix_Playing(-1), 1) << "the second effect takes channel 0 instead of mixing";
  EXPECT_GT(FSOUND_PlaySound(kFsoundFreeSlot, bonus), 0) << "a free channel, not channel 0";
  EXPECT_EQ(Mix_Playing(-1), 2);
  EXPECT_EQ(FSOUND_PlaySound(64, bonus), -1);
  EXPECT_TRUE(FSOUND_StopSound(0));
  EXPECT_EQ(Mix_Playing(0), 0);
  EXPECT_EQ(Mix_Playing(-1), 1);
  EXPECT_TRUE(FSOUND_StopSound(kFsoundAllChannels));
  EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(Fsound, ALoopPlaysUntilStoppedAndAPlainSampleEndsByItself) {
  use_disk_driver();
  open();
  const FsoundSample thrust = load(Effect::Thrust, kFsoundLoopNormal), tick = load(Effect::Tick);
  ASSERT_TRUE(thrust && tick);
  const auto thrust_frames = effect_samples(Effect::Thrust).size();
  const auto tick_frames = effect_samples(Effect::Tick).size();

  ASSERT_EQ(FSOUND_PlaySound(1, tick), 1);
  ASSERT_EQ(FSOUND_PlaySound(0, thrust), 0);
  ASSERT_TRUE(fsound_wait_mixed(fsound_mixed_frames() + 3 * thrust_frames, 10s));
  EXPECT_EQ(Mix_Playing(0), 1) << "Thrust stopped after " << thrust_frames << " frames";
  EXPECT_EQ(Mix_Playing(1), 0) << "Tick still playing after three times its " << tick_frames << " frames";
  FSOUND_StopSound(kFsoundAllChannels);
  EXPECT_EQ(Mix_Playing(0), 0);
}

TEST_F(Fsound, SamplesLoadWithoutASoundDeviceAndTheGameRunsSilent) {
  SDL_setenv("SDL_AUDIODRIVER", "no-such-device", 1);
  testing::internal::CaptureStderr();
  open();
  EXPECT_EQ(fsound_driver(), "dummy");
  EXPECT_NE(load(Effect::Bonus), nullptr);
  EXPECT_NE(load(Effect::Thrust, kFsoundLoopNormal), nullptr);
  EXPECT_EQ(FSOUND_PlaySound(0, load(Effect::Fire)), 0);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_NE(err.find("runs silent"), std::string::npos) << err;
}

TEST_F(Fsound, SdlAudioDriverOverridesTheOutputType) {
  use_disk_driver();
  ASSERT_TRUE(FSOUND_Init(22050, 64, 0));
  ASSERT_TRUE(FSOUND_SetOutput(kFsoundOutputMultiMedia));
  EXPECT_EQ(fsound_driver(), "disk");
  EXPECT_EQ(fsound_rate(), 22050);
  EXPECT_FALSE(FSOUND_SetOutput(kFsoundOutputDirectSound)) << "the output is chosen once";
}

TEST_F(Fsound, AFileThatCannotBeDecodedGivesAZeroHandle) {
  open();
  const auto bad = tmp();
  std::ofstream(bad / "empty.wav");
  std::ofstream(bad / "text.wav") << "RIFF this is not a sound at all";
  {  // A real effect cut off in the middle of its samples.
    std::ifstream in(file(Effect::Gameon), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::ofstream(bad / "cut.wav", std::ios::binary) << bytes.substr(0, bytes.size() / 2);
  }
  for (const char* name : {"empty.wav", "text.wav", "cut.wav", "absent.wav"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(FSOUND_Sample_Load(kFsoundFreeSlot, (bad / name).c_str(), kFsoundPlainOnce, 0, 0), nullptr);
  }
  EXPECT_EQ(FSOUND_Sample_Load(kFsoundFreeSlot, nullptr, kFsoundPlainOnce, 0, 0), nullptr);
  EXPECT_NE(load(Effect::Gameon), nullptr) << "the whole file still loads";
}

}  // namespace
}  // namespace vx::test
