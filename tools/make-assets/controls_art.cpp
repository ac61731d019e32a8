#include "controls_art.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "paint.h"

namespace vx::assets {
namespace {

QPainterPath circle(QPointF c, double r) {
  QPainterPath p;
  p.addEllipse(c, r, r);
  return p;
}

QPainterPath oval(QPointF c, double rx, double ry) {
  QPainterPath p;
  p.addEllipse(c, rx, ry);
  return p;
}

// Light metal, lit from the top left.
QLinearGradient metal(QPointF a, QPointF b, double brightness = 1.0) {
  QLinearGradient g(a, b);
  auto grey = [&](int v) {
    const int c = std::min(255, static_cast<int>(v * brightness));
    return QColor(c, c, std::min(255, c + 6));
  };
  g.setColorAt(0, grey(236));
  g.setColorAt(0.35, grey(178));
  g.setColorAt(0.5, grey(120));
  g.setColorAt(0.62, grey(168));
  g.setColorAt(1, grey(70));
  return g;
}

}  // namespace

void draw_joystick(QPainter& p, QPointF base, const JoystickStyle& st, ControlState::Stick stick) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath plate = oval(base, st.plate_rx, st.plate_ry);
  soft_shape(p, plate, QColor(0, 0, 0, 150), 5, {2, 5});
  QRadialGradient pg(base + QPointF(-st.plate_rx * 0.4, -st.plate_ry * 0.5), st.plate_rx * 1.3);
  pg.setColorAt(0, st.plate.lighter(150));
  pg.setColorAt(1, st.plate.darker(140));
  p.fillPath(plate, pg);
  QLinearGradient rg(base.x(), base.y() - st.plate_ry, base.x(), base.y() + st.plate_ry);
  rg.setColorAt(0, st.ring.lighter(170));
  rg.setColorAt(0.5, st.ring);
  rg.setColorAt(1, st.ring.darker(200));
  p.setPen(QPen(QBrush(rg), 3.2));
  p.drawPath(oval(base, st.plate_rx - 1.6, st.plate_ry - 1.6));
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  p.drawPath(oval(base, st.plate_rx - 6, st.plate_ry - 6));
  // The opening in the plate.
  const double hole_rx = st.plate_rx * 0.36, hole_ry = st.plate_ry * 0.36;
  QRadialGradient hg(base + QPointF(0, hole_ry * 0.4), hole_rx * 1.2);
  hg.setColorAt(0, QColor(30, 30, 34));
  hg.setColorAt(1, QColor(4, 4, 6));
  p.setPen(Qt::NoPen);
  p.fillPath(oval(base, hole_rx, hole_ry), hg);
  if (stick == ControlState::Stick::None) {
    p.fillPath(oval(base, hole_rx * 0.35, hole_ry * 0.35), QColor(60, 60, 66));
    p.restore();
    return;
  }
  const double lean = stick == ControlState::Stick::Left ? -1 : stick == ControlState::Stick::Right ? 1 : 0;
  const double a = lean * 27 * M_PI / 180;
  const QPointF top = base + QPointF(st.shaft_length * std::sin(a), -st.shaft_length * std::cos(a) * 0.93);
  // The rubber boot, pushed a little towards the tilt.
  const QPointF boot = base + QPointF(lean * hole_rx * 0.18, 0);
  QRadialGradient bg(boot + QPointF(-hole_rx * 0.3, -hole_ry * 0.6), hole_rx * 1.1);
  bg.setColorAt(0, QColor(70, 70, 76));
  bg.setColorAt(1, QColor(10, 10, 12));
  p.fillPath(oval(boot, hole_rx * 0.92, hole_ry * 0.9), bg);
  p.setPen(QPen(QColor(90, 90, 98, 120), 1));
  p.drawPath(oval(boot + QPointF(0, -2), hole_rx * 0.62, hole_ry * 0.55));
  p.drawPath(oval(boot + QPointF(0, -4), hole_rx * 0.36, hole_ry * 0.3));
  p.setPen(Qt::NoPen);
  // Shadow of the knob on the plate.
  soft_shape(p, oval(QPointF(top.x() + 9 + lean * 6, base.y() + 6), st.ball_radius * 0.9, st.ball_radius * 0.45),
             QColor(0, 0, 0, 120), 4);
  // The shaft: a chrome rod.
  const QPointF foot = boot + QPointF(0, -3);
  const QPointF dir = top - foot;
  const double len = std::hypot(dir.x(), dir.y());
  const QPointF n(-dir.y() / len, dir.x() / len);
  const double w = st.ball_radius * 0.3;
  QPainterPath shaft;
  shaft.moveTo(foot + n * w * 1.2);
  shaft.lineTo(top + n * w);
  shaft.lineTo(top - n * w);
  shaft.lineTo(foot - n * w * 1.2);
  shaft.closeSubpath();
  p.fillPath(shaft, metal(foot + n * w, foot - n * w));
  // The knob.
  const double r = st.ball_radius;
  soft_shape(p, circle(top, r), QColor(0, 0, 0, 90), 2.5, {1.5, 2.5});
  QRadialGradient kg(top + QPointF(-r * 0.35, -r * 0.42), r * 1.25);
  kg.setColorAt(0, st.ball.lighter(185));
  kg.setColorAt(0.3, st.ball.lighter(115));
  kg.setColorAt(0.8, st.ball.darker(150));
  kg.setColorAt(1, st.ball.darker(260));
  p.fillPath(circle(top, r), kg);
  p.fillPath(oval(top + QPointF(-r * 0.32, -r * 0.45), r * 0.32, r * 0.2), QColor(255, 255, 255, 170));
  p.setPen(QPen(QColor(255, 255, 255, 50), 1));
  p.drawArc(QRectF(top.x() - r + 2, top.y() - r + 2, 2 * r - 4, 2 * r - 4), 200 * 16, 120 * 16);
  p.restore();
}

void draw_round_button(QPainter& p, QPointF c, double radius, QColor cap, QColor bezel, bool pressed) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const double rb = radius * 1.28;
  soft_shape(p, circle(c, rb), QColor(0, 0, 0, 160), 5, {2, 5});
  QLinearGradient bg(c - QPointF(rb, rb), c + QPointF(rb, rb));
  bg.setColorAt(0, bezel.lighter(190));
  bg.setColorAt(0.45, bezel);
  bg.setColorAt(1, bezel.darker(230));
  p.fillPath(circle(c, rb), bg);
  // The well the cap sits in.
  QRadialGradient wg(c + QPointF(0, -radius * 0.3), radius * 1.15);
  wg.setColorAt(0, QColor(8, 8, 10));
  wg.setColorAt(1, QColor(30, 30, 34));
  p.fillPath(circle(c, radius * 1.08), wg);
  const double travel = pressed ? 2.2 : 0;
  const double side = pressed ? 1.2 : 4.0;
  const QPointF top = c + QPointF(0, travel - 2.5);
  // The cap's side, then its face.
  p.fillPath(circle(top + QPointF(0, side), radius), cap.darker(pressed ? 260 : 210));
  QRadialGradient fg(top + QPointF(-radius * 0.35, -radius * 0.45), radius * 1.3);
  fg.setColorAt(0, pressed ? cap.lighter(125) : cap.lighter(175));
  fg.setColorAt(0.45, pressed ? cap.darker(115) : cap);
  fg.setColorAt(1, cap.darker(pressed ? 190 : 150));
  p.fillPath(circle(top, radius), fg);
  if (pressed) {
    QRadialGradient shade(top + QPointF(0, radius * 0.55), radius * 1.1);
    shade.setColorAt(0.75, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillPath(circle(top, radius), shade);
  } else {
    p.fillPath(oval(top + QPointF(-radius * 0.28, -radius * 0.5), radius * 0.45, radius * 0.2),
               QColor(255, 255, 255, 120));
  }
  p.restore();
}

void draw_oblong_button(QPainter& p, const QRectF& cap, QColor colour, bool pressed) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF well = cap.adjusted(-4, -4, 4, 6);
  p.fillPath(rounded(well, 7), vertical(well, {{0, QColor(4, 4, 6)}, {1, QColor(40, 40, 46)}}));
  p.setPen(QPen(QColor(255, 255, 255, 45), 1));
  p.drawPath(rounded(well.adjusted(-0.5, -0.5, 0.5, 0.5), 7.5));
  p.setPen(Qt::NoPen);
  const double travel = pressed ? 2.0 : 0;
  const QRectF face = cap.translated(0, travel - 1.5);
  p.fillPath(rounded(face.translated(0, pressed ? 1.2 : 4), 5), colour.darker(pressed ? 280 : 220));
  QLinearGradient fg(face.topLeft(), face.bottomLeft());
  fg.setColorAt(0, pressed ? colour.darker(105) : colour.lighter(150));
  fg.setColorAt(0.5, pressed ? colour.darker(130) : colour);
  fg.setColorAt(1, colour.darker(pressed ? 170 : 135));
  p.fillPath(rounded(face, 5), fg);
  if (!pressed)
    p.fillPath(rounded(QRectF(face.left() + 4, face.top() + 2, face.width() - 8, face.height() * 0.32), 3),
               QColor(255, 255, 255, 70));
  p.restore();
}

void draw_slide_switch(QPainter& p, const QRectF& slot, bool on, QPointF lamp, QColor lamp_colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.fillPath(rounded(slot, slot.height() / 2), vertical(slot, {{0, QColor(0, 0, 0)}, {1, QColor(44, 44, 50)}}));
  const double kw = slot.width() * 0.44, kh = slot.height() + 8;
  const double kx = on ? slot.right() - kw - 1 : slot.left() + 1;
  const QRectF knob(kx, slot.center().y() - kh / 2, kw, kh);
  soft_shape(p, rounded(knob, 3), QColor(0, 0, 0, 160), 2.5, {1, 3});
  p.fillPath(rounded(knob, 3), metal(knob.topLeft(), knob.bottomLeft(), 0.95));
  for (double x = knob.left() + 5; x < knob.right() - 4; x += 3.2) {
    p.fillRect(QRectF(x, knob.top() + 3, 1.2, knob.height() - 6), QColor(40, 40, 46, 150));
    p.fillRect(QRectF(x + 1.2, knob.top() + 3, 0.8, knob.height() - 6), QColor(255, 255, 255, 90));
  }
  // The power lamp.
  p.fillPath(circle(lamp, 5.5), QColor(20, 20, 22));
  if (on) {
    soft_shape(p, circle(lamp, 4.5), alpha(lamp_colour, 0.9), 4);
    QRadialGradient lg(lamp + QPointF(-1.2, -1.4), 5);
    lg.setColorAt(0, QColor(255, 255, 255));
    lg.setColorAt(0.35, lamp_colour.lighter(140));
    lg.setColorAt(1, lamp_colour);
    p.fillPath(circle(lamp, 4), lg);
  } else {
    QRadialGradient lg(lamp + QPointF(-1.2, -1.4), 5);
    lg.setColorAt(0, lamp_colour.darker(250));
    lg.setColorAt(1, lamp_colour.darker(600));
    p.fillPath(circle(lamp, 4), lg);
    p.fillPath(circle(lamp + QPointF(-1.3, -1.5), 1.1), QColor(255, 255, 255, 90));
  }
  p.restore();
}

void draw_label(QPainter& p, const QString& text, const QFont& font, QPointF c, QColor colour, double spacing) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(text_path_centered(text, font, c.x(), c.y(), spacing), colour);
  p.restore();
}

QImage overlay_arrow(QSize box, bool left, QColor accent) {
  QImage img = canvas(box);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(QPointF(0, 0), QSizeF(box)).adjusted(4, 4, -4, -4);
  p.fillPath(rounded(r, 10), QColor(10, 14, 22, 150));
  p.setPen(QPen(alpha(accent, 0.85), 2));
  p.drawPath(rounded(r.adjusted(1, 1, -1, -1), 9));
  const QPointF c = r.center();
  const double s = std::min(r.width(), r.height()) * 0.34;
  QPainterPath arrow;
  arrow.moveTo(c + QPointF(-s, 0));
  arrow.lineTo(c + QPointF(0, -s));
  arrow.lineTo(c + QPointF(0, -s * 0.45));
  arrow.lineTo(c + QPointF(s, -s * 0.45));
  arrow.lineTo(c + QPointF(s, s * 0.45));
  arrow.lineTo(c + QPointF(0, s * 0.45));
  arrow.lineTo(c + QPointF(0, s));
  arrow.closeSubpath();
  if (!left) arrow = QTransform(-1, 0, 0, 1, 2 * c.x(), 0).map(arrow);
  soft_shape(p, arrow, alpha(accent, 0.9), 3.5);
  QLinearGradient g(c.x(), c.y() - s, c.x(), c.y() + s);
  g.setColorAt(0, QColor(255, 255, 255));
  g.setColorAt(1, accent.lighter(130));
  p.fillPath(arrow, g);
  return img;
}

}  // namespace vx::assets
