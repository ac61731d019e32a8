// The pictures of the secondary forms and the console's game menu: the launcher's
// background, box art and buttons, the about box's picture, the game-menu
// background and the manual viewer's six buttons. Files under Graphics\Forms\,
// named after the form and the element that shows them.
#pragma once

#include <filesystem>

namespace vx::assets {

void write_form_pictures(const std::filesystem::path& data_dir);

}  // namespace vx::assets
