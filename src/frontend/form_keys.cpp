#include "frontend/form_keys.h"

#include <QKeyEvent>

namespace vx {

int form_key_code(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Left: return 37;
    case Qt::Key_Right: return 39;
    default: return 0;
  }
}

}  // namespace vx
