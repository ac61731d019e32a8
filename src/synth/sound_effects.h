// The fourteen effects of the console, each synthesised as a small console's
// buzzer would play it, finished and ready to be written as a file.
#pragma once

#include "game/sound_sink.h"
#include "synth/sound_synth.h"

namespace vx::assets {

Wave synth_effect(Effect effect);

}  // namespace vx::assets
