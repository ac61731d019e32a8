// make-assets: writes the installation data (sounds, skins, manual pages, the
// launcher's and about box's pictures) into a data folder, all drawn and
// synthesised by our own code.
#pragma once

#include <filesystem>

#include "synth/sounds.h"

namespace vx::assets {
// Skins, previews, manual pages and the other pictures.
void write_pictures(const std::filesystem::path& data_dir);

}  // namespace vx::assets
