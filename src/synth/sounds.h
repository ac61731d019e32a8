// The "Sound" folder of an installation: the fourteen effects synthesised, one WAV
// file each, named after them.
#pragma once

#include <filesystem>

namespace vx::assets {

void write_sounds(const std::filesystem::path& data_dir);

}  // namespace vx::assets
