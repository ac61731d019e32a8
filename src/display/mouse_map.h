// Which of the console's pictures take the mouse, and what a press on them does.
// A mouse event goes to the topmost visible element (skin/drawing_order.h) with a
// mouse role whose box holds the point; state pictures and hidden elements are
// passed over.
#pragma once

#include <optional>

#include "game/actions.h"
#include "game/sprite_board.h"
#include "skin/drawing_order.h"

namespace vx {

enum class MouseRole {
  None,            // the pointer passes through to what lies beneath
  Control,         // a pictured button: left press and release run its action
  Drag,            // a drag surface of the windowed console
  GameMenuButton,  // opens and closes the in-window game menu
  Blocks,          // takes the press and does nothing (the open game menu's panel)
};
enum class PointerShape { Arrow, Hand, Help };

struct MouseTarget {
  MouseRole role = MouseRole::None;
  PointerShape pointer = PointerShape::Arrow;
  Action action = ActNone;  // Control: pressed and released with the left button
};

const MouseTarget& mouse_target(ElementId id);

// The element that takes a mouse event at (x, y), in the window's coordinates.
std::optional<ElementId> hit_test(const SpriteBoard& board, int x, int y);

}  // namespace vx
