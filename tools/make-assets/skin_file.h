// Reading a skin folder the way the program does, through its reader of skin
// descriptions with its limits (skin/skin_description.h) and its path lookup:
// Windows-style file names resolved inside the folder (also when their case
// differs), colours in the "$00BBGGRR" or decimal syntax, and which keys are
// missing. Used by --check, --compose and the tests.
#pragma once

#include <QColor>
#include <QRect>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "skin/elements.h"

namespace vx::assets {

struct SkinImageKeys {
  std::string filename;              // as written; empty or "nil" names no file
  QRect box;                         // Left, Top, Width, Height
  std::vector<std::string> missing;  // keys that are absent or not numbers
  bool section_present = false;      // at least one of its keys is there
};

struct SkinFile {
  std::filesystem::path folder;
  int game_width = 528, game_height = 747;
  std::string backdrop_file = "nil", logo_file = "nil";
  int backdrop_stretch = 0, logo_position = 1;
  std::string bg_color = "$00000000";
  std::optional<int> offset_x, offset_y;  // none: centred
  std::string transp_color = "$00ff00ff";
  std::array<SkinImageKeys, kSkinElementCount> images;
  std::vector<std::string> faults;  // keys of Common, Fullscreen, Shaped that are missing
};

// Reads `folder`/`description`; nullopt with `error` set when it cannot be read or
// passes a limit of the program's.
std::optional<SkinFile> read_skin_file(const std::filesystem::path& folder, const std::string& description,
                                       std::string& error);

// A colour in the toolkit's syntax ("$00BBGGRR" or decimal) as RGB; nullopt if not one.
std::optional<QColor> parse_colour(const std::string& text);
// The same colour written back in that syntax ("$00FF00FF").
std::string colour_text(QColor c);

// A file name from a description ("Sub\Pic.PNG") as a path inside `folder`; each
// component is matched case-insensitively when it does not exist as written.
// nullopt when no such file exists.
std::optional<std::filesystem::path> find_in_folder(const std::filesystem::path& folder, const std::string& name);

// Whether a file value names a file (neither empty nor "nil").
bool names_file(const std::string& value);

}  // namespace vx::assets
