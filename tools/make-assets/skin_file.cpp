#include "skin_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/data_folder.h"
#include "platform/ini_file.h"
#include "platform/skin_files.h"

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
  const auto d = read_skin_description_file(resolve_path(description, folder), error);
  if (!d) {
    error = "description file " + description + " " + error;
    return std::nullopt;
  }
  SkinFile skin;
  skin.folder = folder;
  skin.game_width = d->GameWidth;
  skin.game_height = d->GameHeight;
  skin.backdrop_file = d->BackdropFile;
  skin.logo_file = d->LogoFile;
  skin.backdrop_stretch = d->BackdropStretch;
  skin.logo_position = d->LogoPosition;
  skin.bg_color = d->BgColor;
  skin.offset_x = d->GameOffsetX;
  skin.offset_y = d->GameOffsetY;
  skin.transp_color = d->TranspColor;
  skin.faults = d->missing;
  for (int i = 0; i < kSkinElementCount; ++i) {
    const auto& keys = d->images[i];
    SkinImageKeys& img = skin.images[i];
    img.filename = keys.Filename;
    img.box = QRect(keys.Left, keys.Top, keys.Width, keys.Height);
    img.missing = keys.missing;
    img.section_present = keys.section_present;
  }
  return skin;
}

}  // namespace vx::assets
