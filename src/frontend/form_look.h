// The look the secondary forms share: the dark blue of the key and about forms,
// the Arial text they are written in, and label colours.
#pragma once

#include <QColor>

class QWidget;

namespace vx {

// The toolkit colour value 5384456: RGB (8, 41, 82).
inline const QColor kFormBlue(8, 41, 82);

// Background colour and the forms' font (Arial, 11 pixels high).
void set_form_look(QWidget& form, const QColor& background);
void set_text_colour(QWidget& label, const QColor& colour);
QColor text_colour(const QWidget& label);

}  // namespace vx
