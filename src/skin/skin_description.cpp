#include "skin/skin_description.h"

#include <limits>

#include "skin/ini_text.h"

namespace vx {
namespace {

struct Reader {
  const IniText& ini;
  std::string& error;

  // A number of [section] key: its default when absent or not a number (noted in
  // `missing`), a fault when outside lo..hi.
  bool number(const std::string& section, const char* key, int& into, int lo, int hi, std::vector<std::string>& missing,
              bool section_in_note) {
    const std::optional<std::string_view> text = ini.value(section, key);
    const bool present = text.has_value();
    const auto value = present ? parse_ini_int(*text) : std::nullopt;
    if (!value) {
      const std::string what = std::string(key) + (present ? " is not a number" : " missing");
      missing.push_back(section_in_note ? "[" + section + "] " + what : std::string(key));
      return true;
    }
    if (*value < lo || *value > hi) {
      error = "has [" + section + "] " + key + " " + std::to_string(*value) + ", outside " + std::to_string(lo) + ".." +
              std::to_string(hi);
      return false;
    }
    into = *value;
    return true;
  }

  void text(const char* section, const char* key, std::string& into, std::vector<std::string>& missing) {
    if (const auto value = ini.value(section, key))
      into = *value;
    else
      missing.push_back(std::string("[") + section + "] " + key + " missing");
  }

  // GameOffsetX/Y: a non-zero number places the console; anything else centres.
  bool offset(const char* key, std::optional<int>& into, std::vector<std::string>& missing) {
    std::string text = "Center";
    this->text("Fullscreen", key, text, missing);
    const auto value = parse_ini_int(text);
    if (!value || *value == 0) return true;
    if (*value < -kMaxCanvasSide || *value > kMaxCanvasSide) {
      error = std::string("has [Fullscreen] ") + key + " " + std::to_string(*value) + ", outside " +
              std::to_string(-kMaxCanvasSide) + ".." + std::to_string(kMaxCanvasSide);
      return false;
    }
    into = *value;
    return true;
  }
};

bool describes_a_skin(const IniText& ini) {
  for (const char* section : {"Common", "Fullscreen", "Shaped"})
    if (ini.has_section(section)) return true;
  for (int n = 1; n <= kSkinElementCount; ++n)
    if (ini.has_section("Image" + std::to_string(n))) return true;
  return false;
}

}  // namespace

std::optional<SkinDescription> read_skin_description(std::string_view text, std::string& error) {
  if (!is_ini_text(text)) {
    error = "is not a text file";
    return std::nullopt;
  }
  IniText ini;
  if (!ini.parse(text)) {
    error = "cannot be read";
    return std::nullopt;
  }
  if (!describes_a_skin(ini)) {
    error = text.empty() ? "is empty" : "describes no skin";
    return std::nullopt;
  }
  SkinDescription d;
  Reader r{ini, error};
  if (!r.number("Common", "GameWidth", d.GameWidth, 1, kMaxCanvasSide, d.missing, true) ||
      !r.number("Common", "GameHeight", d.GameHeight, 1, kMaxCanvasSide, d.missing, true))
    return std::nullopt;
  std::string canvas_error;
  if (!canvas_allowed(d.GameWidth, d.GameHeight, canvas_error)) {
    error = "has a console area of " + canvas_error;
    return std::nullopt;
  }
  constexpr int kLowest = std::numeric_limits<int>::min(), kHighest = std::numeric_limits<int>::max();
  r.text("Fullscreen", "BackdropFile", d.BackdropFile, d.missing);
  r.number("Fullscreen", "BackdropStretch", d.BackdropStretch, kLowest, kHighest, d.missing, true);
  r.text("Fullscreen", "BgColor", d.BgColor, d.missing);
  if (!r.offset("GameOffsetX", d.GameOffsetX, d.missing) || !r.offset("GameOffsetY", d.GameOffsetY, d.missing))
    return std::nullopt;
  r.text("Fullscreen", "LogoFile", d.LogoFile, d.missing);
  r.number("Fullscreen", "LogoPosition", d.LogoPosition, kLowest, kHighest, d.missing, true);
  r.text("Shaped", "TranspColor", d.TranspColor, d.missing);

  for (int n = 1; n <= kSkinElementCount; ++n) {
    SkinImageKeys& img = d.images[n - 1];
    const std::string section = "Image" + std::to_string(n);
    if (const auto file = ini.value(section, "Filename"))
      img.Filename = *file;
    else
      img.missing.push_back("Filename");
    if (!r.number(section, "Left", img.Left, -kMaxCanvasSide, kMaxCanvasSide, img.missing, false) ||
        !r.number(section, "Top", img.Top, -kMaxCanvasSide, kMaxCanvasSide, img.missing, false) ||
        !r.number(section, "Width", img.Width, 0, kMaxCanvasSide, img.missing, false) ||
        !r.number(section, "Height", img.Height, 0, kMaxCanvasSide, img.missing, false))
      return std::nullopt;
    img.section_present = img.missing.size() < 5;
  }
  return d;
}

bool names_a_file(std::string_view value) { return !value.empty() && value != "nil"; }

int console_offset(std::optional<int> configured, int screen, int area) {
  if (configured) return *configured;
  return static_cast<int>((static_cast<std::int64_t>(screen) - area) / 2);
}

bool canvas_allowed(std::int64_t width, std::int64_t height, std::string& error) {
  if (width > kMaxCanvasSide || height > kMaxCanvasSide || width * height > kMaxCanvasPixels) {
    error = std::to_string(width) + " x " + std::to_string(height) + " pixels, more than a console may have (" +
            std::to_string(kMaxCanvasSide) + " a side, " + std::to_string(kMaxCanvasPixels) + " in all)";
    return false;
  }
  return true;
}

}  // namespace vx
