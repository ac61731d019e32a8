#include "skin/skin_list.h"

#include <cstdio>

#include "skin/ini_text.h"

namespace vx {

std::string with_trailing_delimiter(std::string path) {
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  return path;
}

SkinList read_skin_list(const IniText& config) {
  SkinList table;
  int count = config.read_int("Common", "Skins", 2);
  if (count > kMaxSkins) {
    std::fprintf(stderr, "Config.ini: [Common] Skins is %d; the first %d skins are used\n", count, kMaxSkins);
    count = kMaxSkins;
  }
  table.SkinCount = count < 0 ? 0 : count;
  for (int n = 1; n <= table.SkinCount; ++n) {
    const std::string section = "Skin" + std::to_string(n);
    SkinRecord& r = table.records[static_cast<std::size_t>(n)];
    r.Path = with_trailing_delimiter(config.read_text(section, "Path", "Graphics\\Skin" + std::to_string(n) + "\\"));
    r.Name = config.read_text(section, "Name", "Nameless Skin");
    r.SkinFile = config.read_text(section, "SkinFile", "Skin.ini");
    r.PreviewImg = config.read_text(section, "SkinPreviewImg", "SkinPreview.png");
  }
  return table;
}

}  // namespace vx
