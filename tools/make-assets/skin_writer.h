// Writes an installed skin from its design: a picture for every one of the 173
// elements, Skin.ini with every key, the full-screen backdrop and logo, and the
// launcher's preview; and Config.ini listing the skins and the manual.
#pragma once

#include <QImage>
#include <filesystem>

#include "compose.h"
#include "skin_design.h"

namespace vx::assets {

void write_skin(const std::filesystem::path& data_dir, const SkinDesign& design);
void write_config_ini(const std::filesystem::path& data_dir);

// The console area with the controls in `state`: the case painted over the key
// colour with a hard outline (no pixel blends into the key) and the dark screen.
QImage case_frame(const SkinDesign& design, const ControlState& state);

// An installed skin as the window draws it in `state`, transparent outside the case.
QImage installed_console(const std::filesystem::path& data_dir, const SkinDesign& design, ComposeState state);

// Size of the launcher's preview box.
inline constexpr QSize kPreviewBox{340, 358};

}  // namespace vx::assets
