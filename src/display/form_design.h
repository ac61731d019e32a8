// How the console form is laid out before any skin or game touches it: which
// picture elements are visible from the start. The case, the dark screen, the
// clickable buttons, the joystick's tilt picture (empty until a direction is
// held) and the panel positions are; lit cells, pressed looks, picture sources,
// the backdrop and the logo are not. The controller overlays and the joystick
// follow CtrlrOverlay; the game-menu button follows the full-screen mode.
#pragma once

#include "skin/elements.h"

namespace vx {

bool visible_at_creation(ElementId id);

}  // namespace vx
