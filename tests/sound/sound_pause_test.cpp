// Sound held while the game is paused, on SDL's dummy driver through the real
// FSOUND layer: the looping thrust stops where it is and goes on afterwards.
#include "sound/sound_pause.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <vector>

#include "sound/fsound.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

// A second of a 440 Hz square wave as a 16-bit mono WAV file.
void write_tone(const std::filesystem::path& file) {
  const int rate = 22050;
  std::vector<std::int16_t> samples(rate);
  for (int i = 0; i < rate; ++i) samples[i] = (i * 880 / rate) % 2 ? 8000 : -8000;
  const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::ofstream out(file, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  u32(36 + bytes);
  out << "WAVEfmt ";
  u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
  out << "data";
  u32(bytes);
  out.write(reinterpret_cast<const char*>(samples.data()), bytes);
}

TEST(SoundPause, EveryChannelIsHeldAndGoesOnAfterwards) {
  fsound_pause(true);  // no output yet: nothing happens, nothing breaks
  EXPECT_FALSE(fsound_paused(0));

  test::TempDir dir;
  write_tone(dir / "Thrust.wav");
  ASSERT_TRUE(FSOUND_Init(22050, 64, 0));
  ASSERT_TRUE(FSOUND_SetOutput(kFsoundOutputDirectSound));
  const FsoundSample thrust =
      FSOUND_Sample_Load(kFsoundFreeSlot, (dir / "Thrust.wav").c_str(), kFsoundLoopNormal, 0, 0);
  ASSERT_NE(thrust, nullptr);
  ASSERT_EQ(FSOUND_PlaySound(0, thrust), 0);

  fsound_pause(true);
  EXPECT_TRUE(fsound_paused(0));
  EXPECT_EQ(Mix_Playing(0), 1) << "held, not stopped";
  fsound_pause(false);
  EXPECT_FALSE(fsound_paused(0));
  EXPECT_EQ(Mix_Playing(0), 1) << "the loop goes on";
  FSOUND_Close();
  fsound_pause(false);  // closed again: harmless
}

}  // namespace
}  // namespace vx
