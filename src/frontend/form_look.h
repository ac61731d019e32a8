// The look the secondary forms share: the dark blue of the key and about forms,
// the Arial text they are written in, label colours, and the pictures stored
// with a form's design (Graphics\Forms\<form>\<element>.png in the data folder).
#pragma once

#include <QColor>
#include <filesystem>
#include <string_view>

#include "skin/picture.h"

class QWidget;

namespace vx {

// The toolkit colour value 5384456: RGB (8, 41, 82).
inline const QColor kFormBlue(8, 41, 82);

// Background colour and the forms' font (Arial, 11 pixels high).
void set_form_look(QWidget& form, const QColor& background);
void set_text_colour(QWidget& label, const QColor& colour);
QColor text_colour(const QWidget& label);

// A picture of a form's design; the red placeholder (said on standard error) when
// it is missing or broken.
PictureRef form_design_picture(std::string_view form, std::string_view element,
                               const std::filesystem::path& data_folder);

}  // namespace vx
