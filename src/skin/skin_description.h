// A skin's description (Skin.ini) read from its text into plain values, within
// limits that keep a shared skin from costing more than a console needs: the
// console area (each side and its area), every position and size, and the pixels
// of all the skin's pictures together (counted by the platform side as it decodes
// them, platform/skin_files.h). Sizes the limits let through cannot overflow where
// they are added up. Toolkit-free, no file system: the desktop loader gfxinit,
// make-assets (--check, --compose) and a web page read skins through it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/elements.h"

namespace vx {

// The console area (GameWidth x GameHeight), which is the whole window when
// windowed: each side, and its pixels (twice a 3840 x 2160 screen).
inline constexpr int kMaxCanvasSide = 8192;
inline constexpr std::int64_t kMaxCanvasPixels = 4096 * 4096;
// An element's Left and Top, and the full-screen offsets, lie within
// -kMaxCanvasSide..kMaxCanvasSide; its Width and Height within 0..kMaxCanvasSide.
// Every picture of one skin (elements, backdrop, logo) decoded, counted once each.
inline constexpr std::int64_t kMaxSkinPixels = 4096 * 4096;

struct SkinImageKeys {
  std::string Filename;  // as written; empty or "nil" names no file
  int Left = 0, Top = 0, Width = 0, Height = 0;
  std::vector<std::string> missing;  // keys absent or not numbers (they read as 0)
  bool section_present = false;      // at least one of its keys is there
};

struct SkinDescription {
  int GameWidth = 528, GameHeight = 747;
  std::string BackdropFile = "nil";
  int BackdropStretch = 0;
  std::string BgColor = "$00000000";
  std::optional<int> GameOffsetX, GameOffsetY;  // none: centred ("Center", "0", not a number)
  std::string LogoFile = "nil";
  int LogoPosition = 1;
  std::string TranspColor = "$00ff00ff";
  std::array<SkinImageKeys, kSkinElementCount> images;  // Image1..Image173
  // Keys of Common, Fullscreen and Shaped that are absent or not numbers, as
  // "[Common] GameWidth missing"; they take their defaults.
  std::vector<std::string> missing;
};

// Reads a description from the text of its file. A value that is absent or not a
// number takes its default; null with `error` saying what is wrong, worded to
// follow the file's name ("is not a text file", "is empty", "describes no skin",
// "has [Common] GameWidth 100000, outside 1..8192", ...) when the text cannot be
// read or a value passes its limit.
std::optional<SkinDescription> read_skin_description(std::string_view text, std::string& error);

// Whether a file value names a file: neither empty nor "nil".
bool names_a_file(std::string_view value);

// The console area's offset in one direction on a full screen: the configured
// one, else half the spare room, truncated toward zero.
int console_offset(std::optional<int> configured, int screen, int area);

// Whether a canvas of this size may be drawn; otherwise `error` names the limit.
bool canvas_allowed(std::int64_t width, std::int64_t height, std::string& error);

}  // namespace vx
