// Placing the secondary forms: centred on the screen, left = (screen width -
// window width) / 2 and top likewise, truncated toward zero and never negative.
#pragma once

class QWidget;

namespace vx {

void centre_on_screen(QWidget& window);

}  // namespace vx
