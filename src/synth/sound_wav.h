// Writes a sound as a WAV file: PCM, 16-bit, mono, at the synthesis rate.
#pragma once

#include <filesystem>

#include "synth/sound_synth.h"

namespace vx::assets {

// Throws std::runtime_error naming the file when it cannot be written.
void write_wav(const std::filesystem::path& file, const Wave& wave);

}  // namespace vx::assets
