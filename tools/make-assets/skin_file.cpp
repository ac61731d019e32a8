#include "skin_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/data_folder.h"
#include "platform/ini_file.h"

namespace vx::assets {

std::optional<QColor> parse_colour(const std::string& text) {
  const auto v = parse_ini_int(text);
  if (!v || *v < 0) return std::nullopt;
  const auto bgr = static_cast<unsigned>(*v);
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

std::string colour_text(QColor c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "$00%02X%02X%02X", c.blue(), c.green(), c.red());
  return buf;
}

bool names_file(const std::string& value) {
  const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  const auto first = std::find_if_not(value.begin(), value.end(), blank);
  const auto last = std::find_if_not(value.rbegin(), value.rend(), blank).base();
  std::string v = first < last ? std::string(first, last) : std::string();
  for (char& c : v) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return !v.empty() && v != "nil";
}

std::optional<std::filesystem::path> find_in_folder(const std::filesystem::path& folder, const std::string& name) {
  std::error_code ec;
  const std::filesystem::path found = resolve_path(name, folder);
  if (!std::filesystem::is_regular_file(found, ec)) return std::nullopt;
  return found;
}

std::optional<SkinFile> read_skin_file(const std::filesystem::path& folder, const std::string& description,
                                       std::string& error) {
  const auto ini_path = find_in_folder(folder, description);
  if (!ini_path) {
    error = "description file " + description + " not found";
    return std::nullopt;
  }
  IniFile ini;  // names are not case-sensitive
  if (!ini.load(*ini_path)) {
    error = "cannot read " + ini_path->string();
    return std::nullopt;
  }
  SkinFile skin;
  skin.folder = folder;
  auto text = [&](const char* section, const char* key, std::string& into) {
    if (ini.has_key(section, key))
      into = ini.read_text(section, key, "");
    else
      skin.faults.push_back(std::string("[") + section + "] " + key + " missing");
  };
  auto number = [&](const char* section, const char* key, int& into) {
    const bool present = ini.has_key(section, key);
    const auto n = present ? parse_ini_int(ini.read_text(section, key, "")) : std::nullopt;
    if (n)
      into = *n;
    else
      skin.faults.push_back(std::string("[") + section + "] " + key + (present ? " is not a number" : " missing"));
  };
  number("Common", "GameWidth", skin.game_width);
  number("Common", "GameHeight", skin.game_height);
  text("Fullscreen", "BackdropFile", skin.backdrop_file);
  number("Fullscreen", "BackdropStretch", skin.backdrop_stretch);
  text("Fullscreen", "BgColor", skin.bg_color);
  text("Fullscreen", "GameOffsetX", skin.offset_x);
  text("Fullscreen", "GameOffsetY", skin.offset_y);
  text("Fullscreen", "LogoFile", skin.logo_file);
  number("Fullscreen", "LogoPosition", skin.logo_position);
  text("Shaped", "TranspColor", skin.transp_color);

  for (int n = 1; n <= kSkinElementCount; ++n) {
    SkinImageKeys& img = skin.images[n - 1];
    const std::string section = "Image" + std::to_string(n);
    if (ini.has_key(section, "Filename"))
      img.filename = ini.read_text(section, "Filename", "");
    else
      img.missing.push_back("Filename");
    int v[4] = {0, 0, 0, 0};
    const char* keys[4] = {"Left", "Top", "Width", "Height"};
    for (int k = 0; k < 4; ++k) {
      const auto parsed =
          ini.has_key(section, keys[k]) ? parse_ini_int(ini.read_text(section, keys[k], "")) : std::nullopt;
      if (parsed)
        v[k] = *parsed;
      else
        img.missing.push_back(keys[k]);
    }
    img.section_present = img.missing.size() < 5;
    img.box = QRect(v[0], v[1], v[2], v[3]);
  }
  return skin;
}

}  // namespace vx::assets
