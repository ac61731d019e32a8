// The installed skins, as Config.ini lists them: [Common] Skins, then for each
// skin N the section SkinN with its folder, name, description file and preview.
// The table holds at most 99; the console's creation reads it once.
#pragma once

#include <array>
#include <string>

namespace vx {

class IniText;

inline constexpr int kMaxSkins = 99;

struct SkinRecord {
  std::string Path;        // the skin's folder, always ending in a path delimiter
  std::string Name;        // the name in the launcher's list
  std::string SkinFile;    // the description file inside the folder
  std::string PreviewImg;  // the preview picture inside the folder
};

struct SkinList {
  std::array<SkinRecord, kMaxSkins + 1> records{};  // [1..99]
  int SkinCount = 0;

  // Record `index` (1-based), or null outside 1..SkinCount.
  const SkinRecord* at(int index) const {
    return index >= 1 && index <= SkinCount ? &records[static_cast<std::size_t>(index)] : nullptr;
  }
};

// Reads the skin list. A Skins count above 99 uses the first 99 and says so on
// standard error; a negative count is an empty list.
SkinList read_skin_list(const IniText& config);

// A folder as configured, with a trailing "\" appended when it has no delimiter.
// An empty folder stays empty: the program's folder itself.
std::string with_trailing_delimiter(std::string path);

}  // namespace vx
