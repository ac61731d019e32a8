// A whole game's sound events, as vornix-script's dumps list them, played through
// the real sound layer into SDL's disk driver: every effect is heard at its moment.
#include <SDL.h>

#include <fstream>
#include <sstream>

#include "sound/sound.h"
#include "sound_replay.h"
#include "sound_test_support.h"

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

struct WholeGame : SoundTest {};

TEST_F(WholeGame, EveryEffectIsHeardAtItsMoment) {
  std::ifstream in(std::filesystem::path(SOUND_TEST_DIR) / "whole_game.sounds");
  const auto events = read_sound_events(in);
  ASSERT_EQ(events.size(), 30u);

  const auto mix_file = use_disk_driver();
  SDL_setenv("SDL_DISKAUDIODELAY", "1", 1);
  Sound sound(generated_sound_folder());
  ASSERT_TRUE(sound.open(kFsoundOutputDirectSound));
  ASSERT_TRUE(replay_sound_events(events, sound, 6000));
  sound.shutdown();
  const Samples mix = read_disk_mix(mix_file);

  constexpr long kLatency = 4 * 256;
  const auto frame = [](std::int64_t t) { return static_cast<long>(t * 22050 / 1000); };
  for (std::size_t i = 0; i < events.size(); ++i) {
    const SoundEvent& e = events[i];
    SCOPED_TRACE("t=" + std::to_string(e.t));
    const long from = frame(e.t);
    if (e.play) {
      const long at = find_effect(mix, effect_samples(*e.play), from);
      EXPECT_GE(at, from) << effect_name(*e.play) << " not heard";
      EXPECT_LE(at, from + kLatency) << effect_name(*e.play) << " late";
    } else if (i + 1 < events.size() && events[i + 1].t != e.t) {
      EXPECT_TRUE(silent(mix, from + kLatency, frame(events[i + 1].t))) << "not silenced";
    }
  }
  const auto gameover = effect_samples(Effect::Gameover);
  EXPECT_TRUE(silent(mix, frame(events.back().t) + kLatency + static_cast<long>(gameover.size()),
                     static_cast<long>(mix.size())));
}

}  // namespace
}  // namespace vx::test
