// Where the console's pictures are drawn and which take the mouse. Bottom first:
// im_backdrop, im_backdrop_logo, the 173 skin elements in their skin order with
// each state picture just above the clickable picture it belongs to, then the
// game-menu background and its button. A mouse event goes to the topmost visible
// element with a mouse role whose box holds the point; state pictures and hidden
// elements are passed over.
#pragma once

#include <array>
#include <optional>

#include "display/elements.h"
#include "display/sprite_board.h"

namespace vx {

class Console;

// The elements in drawing order, bottom first.
const std::array<ElementId, kElementCount>& drawing_order();

enum class MouseRole {
  None,            // the pointer passes through to what lies beneath
  Control,         // a pictured button: left press and release run its input actions
  Drag,            // a drag surface of the windowed console
  GameMenuButton,  // opens and closes the in-window game menu
  Blocks,          // takes the press and does nothing (the open game menu's panel)
};
enum class PointerShape { Arrow, Hand, Help };

struct MouseTarget {
  MouseRole role = MouseRole::None;
  PointerShape pointer = PointerShape::Arrow;
  void (Console::*down)() = nullptr;  // Control: the action of a left press
  void (Console::*up)() = nullptr;    // Control: the action of its release (none for power)
};

const MouseTarget& mouse_target(ElementId id);
// Whether the element is the pressed or tilted look of a clickable picture.
bool is_state_picture(ElementId id);

// The element that takes a mouse event at (x, y), in the window's coordinates.
std::optional<ElementId> hit_test(const SpriteBoard& board, int x, int y);

}  // namespace vx
