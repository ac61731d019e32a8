// The Windows key codes the secondary forms react to, from Qt key events:
// Enter 13, Esc 27, left arrow 37, right arrow 39; 0 for every other key.
#pragma once

class QKeyEvent;

namespace vx {

int form_key_code(const QKeyEvent& event);

}  // namespace vx
