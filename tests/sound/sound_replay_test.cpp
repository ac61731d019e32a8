// Sound events read as vornix-script's dumps list them, and a whole game's events
// played through the real sound layer into SDL's disk driver, each at its moment.
#include "sound_replay.h"

#include <SDL.h>

#include <algorithm>
#include <sstream>

#include "game/console_state.h"
#include "sound/sound.h"
#include "sound_test_support.h"
#include "support/autoplay.h"

namespace vx::test {
namespace {

TEST(SoundEvents, AreReadFromDumpLinesAndBareLists) {
  std::istringstream in(
      "{\"t\":5,\"GameMode\":2,\"sounds\":[{\"t\":1,\"play\":\"Gameon\"},{\"t\":4,\"silence\":true}]}\n"
      "panel [    ]\n"
      "{\"t\":9,\"sounds\":[]}\n"
      "[{\"t\":12,\"play\":\"Thrust\"}]\n");
  const auto events = read_sound_events(in);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].t, 1);
  EXPECT_EQ(events[0].play, Effect::Gameon);
  EXPECT_EQ(events[1].t, 4);
  EXPECT_FALSE(events[1].play.has_value());
  EXPECT_EQ(events[2].play, Effect::Thrust);

  std::istringstream bad("{\"sounds\":[]}\n{\"sounds\":[{\"t\":1,\"play\":\"Boom\"}]}\n");
  try {
    read_sound_events(bad);
    ADD_FAILURE() << "an unknown effect was accepted";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "line 2: no effect named \"Boom\"");
  }
}

// The sound calls of the console core, with their virtual times.
struct CallRecorder : SoundSink {
  explicit CallRecorder(const TimerSet& clock) : clock(clock) {}
  void Snd_Play(Effect e) override { events.push_back({clock.now(), e}); }
  void Snd_Silence() override { events.push_back({clock.now(), std::nullopt}); }
  const TimerSet& clock;
  std::vector<SoundEvent> events;
};

bool played(const std::vector<SoundEvent>& events, Effect e) {
  return std::any_of(events.begin(), events.end(), [&](const SoundEvent& x) { return x.play == e; });
}

// Power on, the demonstration, and a one-life game to its game over: the
// auto-player plays for 15 s, then leaves the ship to its fate. What the console
// core asks of sound.
std::vector<SoundEvent> a_whole_game() {
  Console k;
  CallRecorder calls(k.timers);
  k.FormCreate();
  k.random.seed(5);
  k.assign_keys(kDefaultKeyIndex);
  k.sound = &calls;
  AutoPlayer player(k, 5);
  player.endless = false;
  player.power_cuts = false;
  std::int64_t game_start = -1;
  while (!played(calls.events, Effect::Gameover) && k.timers.now() < 10 * 60 * 1000) {
    if (k.GameMode == 3 && game_start < 0) game_start = k.timers.now();
    if (game_start < 0 || k.timers.now() - game_start < 15000) player.play_a_moment();
    if (k.GameMode == 3 && k.Lives > 1) k.Lives = 1;
    k.timers.advance(100);
  }
  return calls.events;
}

struct WholeGame : SoundTest {};

TEST_F(WholeGame, EveryCallOfTheConsoleIsHeardAtOnce) {
  const auto events = a_whole_game();
  for (Effect e : {Effect::Gameon, Effect::StartBtn, Effect::Start, Effect::Fire, Effect::Hit, Effect::Tick,
                   Effect::Miss, Effect::Gameover})
    EXPECT_TRUE(played(events, e)) << effect_name(e) << " never played";

  // Eleven times as fast as real time; each call is found where it landed.
  const auto mix_file = use_disk_driver();
  SDL_setenv("SDL_DISKAUDIODELAY", "1", 1);
  Sound sound(generated_sound_folder());
  ASSERT_TRUE(sound.open(kFsoundOutputDirectSound));
  std::vector<MixSpan> landed;
  ASSERT_TRUE(replay_sound_events(events, sound, 1000, &landed));
  sound.shutdown();
  const Samples mix = read_disk_mix(mix_file);
  ASSERT_EQ(landed.size(), events.size());

  constexpr long kLatency = 2 * 256;  // the buffer being mixed, then the next one
  int checked = 0;
  for (std::size_t i = 0; i < events.size(); ++i) {
    const SoundEvent& e = events[i];
    SCOPED_TRACE("t=" + std::to_string(e.t));
    const auto before = static_cast<long>(landed[i].before), after = static_cast<long>(landed[i].after);
    EXPECT_GE(before, e.t * 22050 / 1000) << "played before its time";
    const long next = i + 1 < events.size() ? static_cast<long>(landed[i + 1].before) : static_cast<long>(mix.size());
    if (next - after < 2 * kLatency) continue;  // cut off at once by the next call
    ++checked;
    if (e.play) {
      const long at = find_effect(mix, effect_samples(*e.play), before);
      EXPECT_GE(at, before) << effect_name(*e.play) << " not heard";
      EXPECT_LE(at, after + kLatency) << effect_name(*e.play) << " late";
    } else {
      EXPECT_TRUE(silent(mix, after + kLatency, next)) << "not silenced";
    }
  }
  EXPECT_GT(checked, static_cast<int>(events.size()) * 3 / 4);
}

}  // namespace
}  // namespace vx::test
