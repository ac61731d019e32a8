// The fourteen generated effects, each against what its moment in the game allows:
// format, length, level, no DC, no click at the edges, Thrust's seamless loop.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numeric>

#include "sound_test_support.h"

namespace vx::test {
namespace {

struct Limits {
  Effect effect;
  int min_ms, max_ms;  // the moment it plays in leaves this much time
};
// The longest: what the sequence after it waits; the shortest: long enough to be
// the jingle, tune or zap the moment asks for.
constexpr Limits kLimits[] = {
    {Effect::Bonus, 3500, 5000},    {Effect::Complete, 1000, 2000}, {Effect::Fire, 80, 600},
    {Effect::Gameon, 2000, 3300},   {Effect::Hit, 150, 400},        {Effect::Miss, 800, 1700},
    {Effect::MissDock, 1000, 2000}, {Effect::Gameover, 4000, 5800}, {Effect::Phase, 1000, 1800},
    {Effect::SelecBtn, 40, 150},    {Effect::Start, 1000, 1650},    {Effect::StartBtn, 40, 100},
    {Effect::Thrust, 200, 1000},    {Effect::Tick, 10, 60},
};

constexpr int kFullScale = 32767;
const int kPeakLimit = static_cast<int>(kFullScale * std::pow(10.0, -1 / 20.0));  // -1 dBFS

int peak(const Samples& s, std::size_t from = 0, std::size_t to = SIZE_MAX) {
  int p = 0;
  for (std::size_t i = from; i < std::min(to, s.size()); ++i) p = std::max(p, std::abs(int{s[i]}));
  return p;
}

// Circular RMS of the 5 ms around sample c.
double rms_around(const Samples& s, long c) {
  const long half = frames_of_ms(5) / 2, n = static_cast<long>(s.size());
  double sum = 0;
  for (long k = -half; k <= half; ++k) sum += std::pow(s[((c + k) % n + n) % n], 2.0);
  return std::sqrt(sum / (2 * half + 1));
}

// Sign changes per second over [from, to): a rough pitch.
double crossings_per_s(const Samples& s, std::size_t from, std::size_t to) {
  int n = 0;
  for (std::size_t i = from + 1; i < to; ++i) n += (s[i - 1] < 0) != (s[i] < 0);
  return n * 22050.0 / static_cast<double>(to - from);
}

TEST(SoundFiles, EveryEffectFitsItsMoment) {
  for (const Limits& row : kLimits) {
    SCOPED_TRACE(std::string(effect_name(row.effect)));
    const Samples s = effect_samples(row.effect);  // checks 22050 Hz, 16-bit, mono
    const double ms = s.size() * 1000.0 / 22050;
    EXPECT_GE(ms, row.min_ms);
    EXPECT_LE(ms, row.max_ms);
    EXPECT_LE(peak(s), kPeakLimit);
    EXPECT_GE(peak(s), kFullScale / 4) << "too quiet to hear over the others";
    const double mean = std::accumulate(s.begin(), s.end(), 0.0) / static_cast<double>(s.size());
    EXPECT_LE(std::abs(mean), kFullScale * 0.005) << "DC offset";
  }
}

TEST(SoundFiles, OneShotsFadeInAndOut) {
  for (const Limits& row : kLimits) {
    if (row.effect == Effect::Thrust) continue;
    SCOPED_TRACE(std::string(effect_name(row.effect)));
    const Samples s = effect_samples(row.effect);
    ASSERT_GT(s.size(), 100u);
    EXPECT_LE(std::abs(int{s.front()}), kFullScale / 100);
    EXPECT_LE(std::abs(int{s.back()}), kFullScale / 100);
    // The first and last quarter millisecond rise from and fall to silence.
    EXPECT_LE(peak(s, 0, 6), kFullScale / 10);
    EXPECT_LE(peak(s, s.size() - 6), kFullScale / 10);
    // Attack and release take at least 3 ms: no sample near the effect's peak
    // within 2 ms of either end, and the first and last millisecond stay low.
    const int top = peak(s);
    const std::size_t ramp = static_cast<std::size_t>(frames_of_ms(2)), ms = static_cast<std::size_t>(frames_of_ms(1));
    EXPECT_LT(peak(s, 0, ramp), top * 9 / 10);
    EXPECT_LT(peak(s, s.size() - ramp), top * 9 / 10);
    EXPECT_LE(peak(s, 0, ms), top * 4 / 10);
    EXPECT_LE(peak(s, s.size() - ms), top * 4 / 10);
  }
}

TEST(SoundFiles, ThrustLoopsWithoutAClick) {
  const Samples s = effect_samples(Effect::Thrust);
  ASSERT_GT(s.size(), 1000u);
  const long n = static_cast<long>(s.size());
  // The step from the last sample back to the first is an ordinary one.
  std::vector<int> steps;
  for (long i = 1; i < n; ++i) steps.push_back(std::abs(s[i] - s[i - 1]));
  std::sort(steps.begin(), steps.end());
  const int usual = steps[steps.size() * 99 / 100];
  EXPECT_LE(std::abs(s.front() - s.back()), usual);
  // So is the bend there: the second difference across the seam.
  int bend = 0;
  for (long i = 1; i + 1 < n; ++i) bend = std::max(bend, std::abs(s[i + 1] - 2 * s[i] + s[i - 1]));
  EXPECT_LE(std::abs(s[1] - 2 * s[0] + s[n - 1]), bend);
  EXPECT_LE(std::abs(s[0] - 2 * s[n - 1] + s[n - 2]), bend);
  // No gap: the sound around the seam is no quieter than its quietest moment elsewhere.
  double quietest = 1e9;
  for (long c = frames_of_ms(10); c < n - frames_of_ms(10); c += 20) quietest = std::min(quietest, rms_around(s, c));
  EXPECT_GE(rms_around(s, 0), 0.5 * quietest);
  // Started cold, it does not click either.
  EXPECT_LE(std::abs(int{s.front()}), kFullScale / 50);
}

TEST(SoundFiles, LossesFallAndTheZapFalls) {
  for (Effect e : {Effect::Fire, Effect::Miss}) {
    SCOPED_TRACE(std::string(effect_name(e)));
    const Samples s = effect_samples(e);
    const std::size_t third = s.size() / 3;
    EXPECT_GT(crossings_per_s(s, 0, third), 1.5 * crossings_per_s(s, 2 * third, s.size()));
  }
}

TEST(SoundFiles, TheBuildWritesTheGeneratedSet) {
  for (int i = 0; i < kEffectCount; ++i) {
    const std::string name = std::string(kEffectNames[i]) + ".wav";
    SCOPED_TRACE(name);
    std::ifstream built(std::filesystem::path(VORNIX_DATA_DIR) / "Sound" / name, std::ios::binary);
    std::ifstream fresh(generated_sound_folder() / name, std::ios::binary);
    ASSERT_TRUE(built) << "missing from the build's data folder";
    EXPECT_TRUE(std::equal(std::istreambuf_iterator<char>(built), {}, std::istreambuf_iterator<char>(fresh), {}));
  }
}

}  // namespace
}  // namespace vx::test
