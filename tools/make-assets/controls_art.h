// The console's controls as both cases draw them: the joystick (upright, tilted
// or just its base), round and oblong push buttons (up or pressed), the power
// slide switch with its lamp, printed labels and the controller-overlay arrows.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "skin_design.h"

namespace vx::assets {

struct JoystickStyle {
  double plate_rx, plate_ry;  // the round base plate
  QColor plate, ring;         // plate colour and its metal ring
  QColor ball;                // the knob
  double shaft_length, ball_radius;
};
void draw_joystick(QPainter& p, QPointF base, const JoystickStyle& st, ControlState::Stick stick);

// A big round push button in a metal bezel.
void draw_round_button(QPainter& p, QPointF c, double radius, QColor cap, QColor bezel, bool pressed);

// An oblong push button in a recessed well.
void draw_oblong_button(QPainter& p, const QRectF& cap, QColor colour, bool pressed);

// A slide switch: a slot with a ridged knob at its left (off) or right (on) end and
// a lamp beside it that glows when on.
void draw_slide_switch(QPainter& p, const QRectF& slot, bool on, QPointF lamp, QColor lamp_colour);

// Printed lettering, centred on `c` (baseline at c.y()).
void draw_label(QPainter& p, const QString& text, const QFont& font, QPointF c, QColor colour, double spacing = 0.5);

}  // namespace vx::assets
