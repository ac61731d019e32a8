// make-assets: writes the installation data (sounds, skins, manual pages, the
// launcher's and about box's pictures) into a data folder, all drawn and
// synthesised by our own code.
#pragma once

#include <filesystem>

namespace vx::assets {

// The fourteen WAV files of "Sound".
void write_sounds(const std::filesystem::path& data_dir);
// Skins, previews, manual pages and the other pictures.
void write_pictures(const std::filesystem::path& data_dir);

}  // namespace vx::assets
