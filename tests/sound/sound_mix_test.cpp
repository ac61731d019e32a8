// What the player hears: the mix written by SDL's disk driver, compared sample by
// sample with the effects' files (one effect at full volume passes through exact).
#include <SDL.h>

#include "sound/sound.h"
#include "sound_test_support.h"

namespace vx::test {
namespace {

using namespace std::chrono_literals;

struct SoundMix : SoundTest {
  std::filesystem::path mix_file;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<Sound> sound;
  void SetUp() override {
    SoundTest::SetUp();
    mix_file = use_disk_driver();
    store = std::make_unique<SettingsStore>();
    sound = std::make_unique<Sound>(generated_sound_folder());
  }
  void start() { ASSERT_TRUE(sound->start("Microsoft DirectSound", *store)); }
  // Lets the mixer run on for `frames` more frames; returns where it stood before.
  long run(std::size_t frames) {
    const auto before = fsound_mixed_frames();
    EXPECT_TRUE(fsound_wait_mixed(before + frames, 10s));
    return static_cast<long>(before);
  }
  long now() const { return static_cast<long>(fsound_mixed_frames()); }
  Samples finish() {
    sound->shutdown();
    return read_disk_mix(mix_file);
  }
};

// Calls and effects are at most this far apart in the mix: a few mixing buffers.
constexpr long kLatency = 4 * 256;

TEST_F(SoundMix, FirePlaysWholeOnceAndStops) {
  start();
  const Samples fire = effect_samples(Effect::Fire);
  const long called = now();
  sound->Snd_Play(Effect::Fire);
  run(fire.size() + frames_of_ms(100));
  const Samples mix = finish();

  const long at = find_effect(mix, fire);
  ASSERT_GE(at, called) << "Fire not heard";
  EXPECT_LE(at, called + kLatency);
  EXPECT_TRUE(silent(mix, 0, at));
  EXPECT_TRUE(std::equal(fire.begin(), fire.end(), mix.begin() + at));
  EXPECT_TRUE(silent(mix, at + static_cast<long>(fire.size()), static_cast<long>(mix.size())));
}

TEST_F(SoundMix, ThrustLoopsSeamlesslyPastItsLengthUntilSilenced) {
  start();
  const Samples thrust = effect_samples(Effect::Thrust);
  const long n = static_cast<long>(thrust.size());
  sound->Snd_Play(Effect::Thrust);
  run(5 * n / 2);
  const long silenced = now();
  sound->Snd_Silence();
  run(frames_of_ms(200));
  const Samples mix = finish();

  const long at = find_effect(mix, thrust);
  ASSERT_GE(at, 0) << "Thrust not heard";
  // Sample for sample the file again and again, then nothing.
  long k = at;
  while (k < static_cast<long>(mix.size()) && mix[k] == thrust[(k - at) % n]) ++k;
  EXPECT_GE(k, silenced) << "the loop broke off after " << (k - at) << " frames";
  EXPECT_GT(k - at, 2 * n);
  EXPECT_LE(k, silenced + kLatency) << "Snd_Silence did not stop the thrust at once";
  EXPECT_TRUE(silent(mix, k, static_cast<long>(mix.size())));
}

TEST_F(SoundMix, ANewEffectCutsTheSoundingOneOff) {
  start();
  const Samples thrust = effect_samples(Effect::Thrust), hit = effect_samples(Effect::Hit);
  sound->Snd_Play(Effect::Thrust);
  run(frames_of_ms(100));
  sound->Snd_Play(Effect::Hit);
  run(frames_of_ms(100));
  sound->Snd_Play(Effect::Hit);  // a second hit restarts the explosion
  run(hit.size() + frames_of_ms(100));
  const Samples mix = finish();

  const long t = find_effect(mix, thrust), h1 = find_effect(mix, hit), h2 = find_effect(mix, hit, h1 + 1);
  ASSERT_GE(t, 0);
  ASSERT_GT(h1, t);
  ASSERT_GT(h2, h1);
  const long n = static_cast<long>(thrust.size());
  for (long k = t; k < h1; ++k) ASSERT_EQ(mix[k], thrust[(k - t) % n]) << "at " << k;
  EXPECT_LT(h2 - h1, static_cast<long>(hit.size()));
  EXPECT_TRUE(std::equal(hit.begin(), hit.begin() + (h2 - h1), mix.begin() + h1)) << "Thrust went on under Hit";
  EXPECT_TRUE(std::equal(hit.begin(), hit.end(), mix.begin() + h2));
  EXPECT_TRUE(silent(mix, h2 + static_cast<long>(hit.size()), static_cast<long>(mix.size())))
      << "Thrust came back after Hit";
}

int peak_of(const Samples& s, long from, long to) {
  int p = 0;
  for (long i = std::max(from, 0L); i < std::min(to, static_cast<long>(s.size())); ++i) p = std::max(p, std::abs(int{s[i]}));
  return p;
}

// The volume sub-menu and the mute key reach the whole mix; a Tick at full level
// rises from silence over at least 3 ms of the mix.
TEST_F(SoundMix, TheWholeMixFollowsVolumeAndMuteAndTickRisesSoftly) {
  struct Row {
    int percent;
    bool muted;
    double level;
  };
  const Row rows[] = {{100, false, 1.0}, {50, false, 0.5}, {10, false, 0.1}, {80, true, 0.0}, {100, false, 1.0}};
  start();
  const long rate = fsound_rate();
  ASSERT_GT(rate, 0);
  const Samples tick = effect_samples(Effect::Tick);
  const long span = static_cast<long>(tick.size()) + frames_of_ms(60);
  std::vector<long> called;
  for (const Row& row : rows) {
    sound->set_volume(row.percent, row.muted);
    called.push_back(now());
    sound->Snd_Play(Effect::Tick);
    run(static_cast<std::size_t>(span));
  }
  const Samples mix = finish();
  const int full = peak_of(tick, 0, static_cast<long>(tick.size()));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].percent);
    EXPECT_NEAR(peak_of(mix, called[i], called[i] + span), full * rows[i].level, full * 0.02 + 1);
  }
  const long at = find_effect(mix, tick);
  ASSERT_GE(at, 0) << "Tick not heard whole at full level";
  const auto frames = [rate](double ms) { return static_cast<long>(ms * static_cast<double>(rate) / 1000); };
  EXPECT_LE(peak_of(mix, at, at + frames(0.5)), full * 0.15) << "the first half millisecond already loud";
  EXPECT_LE(peak_of(mix, at, at + frames(1)), full * 0.4);
  long loud = at;
  while (std::abs(int{mix[loud]}) < full * 0.9) ++loud;
  EXPECT_GE(loud - at, frames(2)) << "Tick reaches its level in under 3 ms";
}

TEST_F(SoundMix, NoSoundOpensNoDevice) {
  ASSERT_TRUE(sound->start("(no sound)", *store));
  sound->Snd_Play(Effect::Thrust);
  sound->Snd_Silence();
  sound->shutdown();
  EXPECT_FALSE(std::filesystem::exists(mix_file));
}

}  // namespace
}  // namespace vx::test
