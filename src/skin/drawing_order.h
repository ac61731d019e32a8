// Where the console's pictures are drawn, bottom first: im_backdrop,
// im_backdrop_logo, the 173 skin elements in their skin order with each state
// picture (a pressed or tilted look) just above the clickable picture it belongs
// to, then the game-menu background and its button. The window's painter, mouse
// hit testing and make-assets --compose all read it.
#pragma once

#include <array>

#include "skin/elements.h"

namespace vx {

// The elements in drawing order, bottom first.
const std::array<ElementId, kElementCount>& drawing_order();
// Whether the element is the pressed or tilted look of a clickable picture.
bool is_state_picture(ElementId id);

}  // namespace vx
