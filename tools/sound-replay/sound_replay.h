// Replays a game's sound events (the "sounds" of vornix-script's dumps) through the
// real sound layer at their virtual times, paced by the mixer's own clock: live on
// the sound device, or as fast as the disk driver goes into a file.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <vector>

#include "game/sound_sink.h"

namespace vx {

struct SoundEvent {
  std::int64_t t = 0;          // virtual ms
  std::optional<Effect> play;  // none: Snd_Silence
};

// Every event of the "sounds" arrays in the JSON lines of `in` (a line holding a
// bare array of events counts too); other lines are skipped. Throws
// std::runtime_error "line N: ..." for an event it cannot read.
std::vector<SoundEvent> read_sound_events(std::istream& in);

// Where a call landed in the mix: the frames mixed just before and just after it.
struct MixSpan {
  std::uint64_t before = 0, after = 0;
};

// Makes each call when the mixer has mixed up to its time, then lets `tail_ms`
// more be mixed. False when the mixer stops mixing (closed or stalled). `landed`,
// when given, receives where each call landed.
bool replay_sound_events(const std::vector<SoundEvent>& events, SoundSink& sound, std::int64_t tail_ms,
                         std::vector<MixSpan>* landed = nullptr);

}  // namespace vx
