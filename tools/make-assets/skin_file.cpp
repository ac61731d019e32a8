#include "skin_file.h"

#include <SimpleIni.h>  // built with SI_NO_CONVERSION: only narrow characters

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace vx::assets {
namespace {

std::string trim(std::string s) {
  const auto not_space = [](unsigned char c) { return !std::isspace(c); };
  s.erase(s.begin(), std::find_if(s.begin(), s.end(), not_space));
  s.erase(std::find_if(s.rbegin(), s.rend(), not_space).base(), s.end());
  return s;
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// An integer in the toolkit's syntax: decimal, or hexadecimal after "$".
std::optional<long long> parse_int(const std::string& raw) {
  const std::string s = trim(raw);
  if (s.empty()) return std::nullopt;
  long long v = 0;
  const bool hex = s[0] == '$';
  const char* first = s.data() + (hex ? 1 : 0);
  const char* last = s.data() + s.size();
  bool negative = false;
  if (!hex && *first == '-') {
    negative = true;
    ++first;
  } else if (!hex && *first == '+') {
    ++first;
  }
  if (first == last) return std::nullopt;
  const auto [end, ec] = std::from_chars(first, last, v, hex ? 16 : 10);
  if (ec != std::errc() || end != last) return std::nullopt;
  return negative ? -v : v;
}

}  // namespace

std::optional<QColor> parse_colour(const std::string& text) {
  const auto v = parse_int(text);
  if (!v || *v < 0 || *v > 0xFFFFFFFFLL) return std::nullopt;
  const auto bgr = static_cast<unsigned long long>(*v);
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

std::string colour_text(QColor c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "$00%02X%02X%02X", c.blue(), c.green(), c.red());
  return buf;
}

bool names_file(const std::string& value) {
  const std::string v = lower(trim(value));
  return !v.empty() && v != "nil";
}

std::optional<std::filesystem::path> find_in_folder(const std::filesystem::path& folder, const std::string& name) {
  std::string rel = trim(name);
  std::replace(rel.begin(), rel.end(), '\\', '/');
  std::filesystem::path at = folder;
  std::error_code ec;
  for (const auto& part : std::filesystem::path(rel)) {
    if (part.empty() || part == "/") continue;
    std::filesystem::path next = at / part;
    if (!std::filesystem::exists(next, ec)) {
      bool found = false;
      for (const auto& entry : std::filesystem::directory_iterator(at, ec)) {
        if (lower(entry.path().filename().string()) == lower(part.string())) {
          next = entry.path();
          found = true;
          break;
        }
      }
      if (!found) return std::nullopt;
    }
    at = next;
  }
  if (!std::filesystem::is_regular_file(at, ec)) return std::nullopt;
  return at;
}

std::optional<SkinFile> read_skin_file(const std::filesystem::path& folder, const std::string& description,
                                       std::string& error) {
  const auto ini_path = find_in_folder(folder, description);
  if (!ini_path) {
    error = "description file " + description + " not found";
    return std::nullopt;
  }
  CSimpleIniA ini;  // case-insensitive names
  if (ini.LoadFile(ini_path->c_str()) < 0) {
    error = "cannot read " + ini_path->string();
    return std::nullopt;
  }
  SkinFile skin;
  skin.folder = folder;
  auto text = [&](const char* section, const char* key, std::string& into) {
    const char* v = ini.GetValue(section, key, nullptr);
    if (v)
      into = v;
    else
      skin.faults.push_back(std::string("[") + section + "] " + key + " missing");
  };
  auto number = [&](const char* section, const char* key, int& into) {
    const char* v = ini.GetValue(section, key, nullptr);
    const auto n = v ? parse_int(v) : std::nullopt;
    if (n)
      into = static_cast<int>(*n);
    else
      skin.faults.push_back(std::string("[") + section + "] " + key + (v ? " is not a number" : " missing"));
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
    img.section_present = ini.GetSection(section.c_str()) != nullptr;
    const char* file = ini.GetValue(section.c_str(), "Filename", nullptr);
    if (file)
      img.filename = file;
    else
      img.missing.push_back("Filename");
    int v[4] = {0, 0, 0, 0};
    const char* keys[4] = {"Left", "Top", "Width", "Height"};
    for (int k = 0; k < 4; ++k) {
      const char* raw = ini.GetValue(section.c_str(), keys[k], nullptr);
      const auto parsed = raw ? parse_int(raw) : std::nullopt;
      if (parsed)
        v[k] = static_cast<int>(*parsed);
      else
        img.missing.push_back(keys[k]);
    }
    img.box = QRect(v[0], v[1], v[2], v[3]);
  }
  return skin;
}

}  // namespace vx::assets
