// A small installation written by the tests: Config.ini and skins whose every
// element has a picture of its own solid colour in a box of a known place, so a
// test can tell from a pixel which element is drawn there.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "skin/elements.h"

namespace vx::test {

struct Box {
  int left, top, width, height;
};

inline constexpr int kTestGameWidth = 240, kTestGameHeight = 320;
inline constexpr std::uint32_t kTestKeyColour = 0xFF00FF;  // TranspColor $00ff00ff

// Where the test skin puts an element, within the console area.
Box test_box(ElementId id);
// The colour (0xRRGGBB) of the element's picture in skin `skin` (1 or 2).
std::uint32_t test_colour(ElementId id, int skin = 1);

// Writes the skin folder Graphics/Skin<n>/ (Skin.ini, a picture per element, a
// backdrop, a logo and a preview). `fullscreen_keys` replaces the [Fullscreen]
// section's body when given.
void write_test_skin(const std::filesystem::path& data, int n, const std::string& fullscreen_keys = {});
// Config.ini listing `skins` skins (named "Test Skin 1", ...) and their folders.
void write_test_install(const std::filesystem::path& data, int skins = 2);

}  // namespace vx::test
