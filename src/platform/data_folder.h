// The program's folder (the data folder: Config.ini, the skins, the sounds, the
// documents) and paths as INI files write them: "Graphics\Skin3\Skin.ini",
// relative to the working directory. Skins made on Windows may spell a name in
// another case than the file system does, so a path that does not exist as
// written is looked up without regard to case, one component at a time.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// --data-dir if given; else the executable's folder when it holds Config.ini;
// else <executable's folder>/../share/vornix-simulator.
std::filesystem::path find_data_folder(const std::optional<std::filesystem::path>& option,
                                       const std::filesystem::path& executable_folder);

// A configured path as a file-system path under `base` (the working directory
// when empty): '\' becomes '/', and each component that does not exist as written
// is replaced by an entry of its folder that matches it without regard to case.
// Components that match nothing are kept as written. With `status`, also what
// the path names (links followed; not_found when nothing), from the look-up itself.
std::filesystem::path resolve_path(std::string_view configured, const std::filesystem::path& base = {},
                                   std::filesystem::file_status* status = nullptr);

// A picture that belongs to a form's design, as the installation keeps it:
// "Graphics\Forms\<form>\<element>.png" ("Graphics\Forms\TSplashForm\btn_play.png").
std::string form_picture(std::string_view form, std::string_view element);

// Whether the configured path names an existing regular file.
bool configured_file_exists(std::string_view configured, const std::filesystem::path& base = {});

}  // namespace vx
