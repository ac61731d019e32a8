// Renders a skin folder as the console window draws it: through the program's
// own skin loader (gfxinit), its console core (which lights the cells and writes
// the panel) and its painter (BoardPainter: drawing order, alpha, colour keying).
// Used by --compose, for the skin previews and by the tests.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin_file.h"

namespace vx::assets {

enum class ComposeState {
  Off,     // powered off: dark screen, blank panel
  On,      // powered on with every cell lit and 8888 on the panel
  All,     // every element shown with its own picture, overlays included
  Demo,    // a moment of phase 1 in play
  Phase4,  // the shuttle over the ship row with its flame, and the dock
};
std::optional<ComposeState> compose_state_by_name(std::string_view name);

// What went wrong: the pictures that are missing or broken (they show the red
// square), and whether the skin's pictures together passed the program's limit.
struct ComposeReport {
  std::vector<std::string> problems;
  bool passed_limit = false;
};

// The window in windowed mode: pixels of the colour key are where it is see-through.
QImage compose_window(const SkinFile& skin, ComposeState state, ComposeReport* report = nullptr);
// The whole screen in full-screen mode (backdrop, logo, console at its offsets).
QImage compose_fullscreen(const SkinFile& skin, ComposeState state, QSize screen, ComposeReport* report = nullptr);

// A copy with every pixel of colour `key` shown as a grey checkerboard.
QImage key_as_checkerboard(const QImage& frame, QColor key);
// A copy with every pixel of colour `key` fully transparent.
QImage key_as_transparent(const QImage& frame, QColor key);

}  // namespace vx::assets
