// Skin 2, "Orvane Starliner": a wide console in ivory plastic with brown, orange
// and yellow stripes, a black screen tower with an arched top and two wings
// carrying the joystick and the fire button. Also its wooden-table backdrop and
// its logo.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <vector>

#include "controls_art.h"
#include "paint.h"
#include "skin_design.h"

namespace vx::assets {
namespace {

const QColor kIvory(233, 225, 204);
const QColor kBrown(92, 52, 28);
const QColor kStripe[3] = {QColor(107, 58, 30), QColor(226, 113, 29), QColor(242, 179, 61)};
const QColor kPlate(52, 38, 30);
const QColor kPrint(240, 228, 200);

struct Outline {
  QPainterPath tower = rounded(QRectF(176, 6, 408, 588), 58);
  QPainterPath left = rounded(QRectF(12, 262, 240, 292), 30);
  QPainterPath right = rounded(QRectF(508, 262, 240, 292), 30);
  QPainterPath base = rounded(QRectF(30, 520, 700, 74), 22);
  QPainterPath all() const { return tower.united(left).united(right).united(base).simplified(); }
};

// Three bands across the whole console, just below the top of the wings.
void paint_stripes(QPainter& p, const QPainterPath& clip) {
  p.save();
  p.setClipPath(clip);
  for (int i = 0; i < 3; ++i) p.fillRect(QRectF(0, 282 + i * 9, 760, 7), kStripe[i]);
  p.restore();
}

void paint_logo_on_case(QPainter& p) {
  const QPainterPath word = text_path_centered("ORVANE", sans(40, true), 380, 56, 6);
  for (int i = 2; i >= 0; --i) p.fillPath(word.translated(2.2 * (i + 1), 2.2 * (i + 1)), kStripe[i]);
  p.setPen(QPen(kBrown, 1.2));
  p.fillPath(word, QColor(252, 246, 230));
  p.drawPath(word);
  p.setPen(Qt::NoPen);
}

void paint_screen_surround(QPainter& p, const SkinDesign& d) {
  const QRectF glass = d.screen.glass;
  const QRectF surround = glass.adjusted(-20, -18, 20, 20);
  soft_shape(p, rounded(surround, 26), QColor(60, 40, 20, 150), 6, {0, 4});
  p.fillPath(rounded(surround, 26),
             vertical(surround, {{0, QColor(40, 36, 34)}, {0.5, QColor(16, 14, 13)}, {1, QColor(6, 6, 6)}}));
  // A chrome line around the glass and a gloss across the surround.
  p.setPen(QPen(QColor(200, 200, 196), 2));
  p.drawPath(rounded(glass.adjusted(-5, -5, 5, 5), 14));
  p.setPen(Qt::NoPen);
  QLinearGradient gloss(surround.topLeft(), surround.topLeft() + QPointF(0, 60));
  gloss.setColorAt(0, QColor(255, 255, 255, 60));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  QPainterPath top_edge = rounded(surround, 26).subtracted(rounded(glass.adjusted(-6, -6, 6, 6), 15));
  p.fillPath(top_edge, gloss);
  draw_label(p, "HIGH-CONTRAST  FLUORESCENT  SCREEN", sans(7.5, true), {glass.center().x(), surround.bottom() - 5},
             QColor(150, 140, 120), 1.2);
}

void paint_control_plates(QPainter& p, const SkinDesign& d, const ControlState& s) {
  const Controls& c = d.controls;
  auto plate = [&](const QRectF& r) {
    soft_shape(p, rounded(r, 18), QColor(90, 60, 30, 160), 4, {0, 3});
    p.fillPath(rounded(r, 18), vertical(r, {{0, kPlate.lighter(130)}, {1, kPlate.darker(130)}}));
    p.setPen(QPen(QColor(255, 240, 210, 60), 1));
    p.drawPath(rounded(r.adjusted(3, 3, -3, -3), 15));
    p.setPen(Qt::NoPen);
  };
  plate(QRectF(34, 300, 164, 196));
  plate(QRectF(562, 300, 164, 196));
  plate(QRectF(224, 500, 312, 72));
  draw_label(p, "\u25C0   STEER   \u25B6", sans(10, true), {115, 484}, kPrint, 1.5);
  draw_label(p, "FIRE", sans(12, true), {644, 484}, kPrint, 4);
  draw_label(p, "POWER", sans(8.5, true), {296, 562}, kPrint, 2);
  draw_label(p, "SELECT", sans(8.5, true), {415, 562}, kPrint, 1.5);
  draw_label(p, "START", sans(8.5, true), {487, 562}, kPrint, 1.5);
  draw_label(p, "OFF", sans(8, true), {247, 531}, kPrint, 0.8);
  draw_label(p, "ON", sans(8, true), {333, 531}, kPrint, 0.8);
  draw_slide_switch(p, QRectF(268, 522, 48, 11), s.power_on, {c.power.right() - 8.0, c.power.top() + 15.0},
                    QColor(255, 176, 40));
  draw_oblong_button(p, QRectF(c.select.left() + 8, c.select.top() + 8, 46, 22), QColor(150, 96, 56), s.select_down);
  draw_oblong_button(p, QRectF(c.start.left() + 8, c.start.top() + 8, 46, 22), QColor(236, 226, 200), s.start_down);
  draw_round_button(p, c.fire.center() + QPointF(0, -2), 33, QColor(236, 100, 26), QColor(196, 190, 176), s.fire_down);
  const JoystickStyle js{52, 37, QColor(40, 30, 24), QColor(200, 196, 186), QColor(245, 160, 30), 50, 15};
  draw_joystick(p, c.joystick.center() + QPointF(0, 10), js, s.stick);
}

// Smooth value noise in [0, 1].
double noise(double x, double y, std::uint32_t seed) {
  auto h = [seed](int ix, int iy) {
    std::uint32_t v = static_cast<std::uint32_t>(ix) * 374761393U + static_cast<std::uint32_t>(iy) * 668265263U + seed;
    v = (v ^ (v >> 13)) * 1274126177U;
    return ((v ^ (v >> 16)) & 0xFFFF) / 65535.0;
  };
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  const double fx = x - ix, fy = y - iy;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = h(ix, iy) + (h(ix + 1, iy) - h(ix, iy)) * sx;
  const double b = h(ix, iy + 1) + (h(ix + 1, iy + 1) - h(ix, iy + 1)) * sx;
  return a + (b - a) * sy;
}

}  // namespace

void paint_case_starliner(QPainter& p, const SkinDesign& d, const ControlState& s) {
  const Outline o;
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath shape = o.all();
  QLinearGradient body(0, 0, 0, d.size.height());
  body.setColorAt(0, kIvory.lighter(106));
  body.setColorAt(0.6, kIvory);
  body.setColorAt(1, kIvory.darker(118));
  p.fillPath(shape, body);
  // The wings are a step lower than the tower: a shade along the tower's sides.
  soft_shape(p, rounded(QRectF(176, 240, 408, 330), 40), QColor(120, 90, 50, 90), 8, {0, 0});
  p.fillPath(o.tower, body);
  paint_stripes(p, shape);
  p.setPen(QPen(QColor(150, 130, 100), 2));
  p.drawPath(shape);
  p.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
  p.drawPath(QTransform::fromTranslate(0, 1.5).map(o.tower));
  p.setPen(Qt::NoPen);
  // The base: a brown plinth along the bottom.
  p.save();
  p.setClipPath(shape);
  QLinearGradient plinth(0, 578, 0, 596);
  plinth.setColorAt(0, kBrown.lighter(120));
  plinth.setColorAt(1, kBrown.darker(150));
  p.fillRect(QRectF(0, 578, d.size.width(), 22), plinth);
  p.restore();
  paint_logo_on_case(p);
  paint_screen_surround(p, d);
  paint_control_plates(p, d, s);
}

QImage backdrop_starliner(const SkinDesign& d) {
  // A walnut table top under a lamp: grain computed small, then scaled up.
  const int w = 960, h = 600;
  QImage small(w, h, QImage::Format_RGB32);
  const QColor dark(52, 28, 14), light(128, 76, 40);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(small.scanLine(y));
    const int plank = y / 150;
    for (int x = 0; x < w; ++x) {
      const double warp = noise(x / 90.0, y / 14.0, 7 + plank) * 9 + noise(x / 20.0, y / 4.0, 3) * 1.5;
      const double ring = 0.5 + 0.5 * std::sin((y + warp) * 0.55 + plank * 1.7);
      const double fleck = noise(x / 3.0, y / 1.2, 11 + plank) * 0.25;
      double t = 0.25 + 0.5 * ring * ring + fleck - 0.12;
      if (y % 150 == 0 || y % 150 == 149) t *= 0.35;  // the seam between planks
      const QColor c = mix(dark, light, std::clamp(t, 0.0, 1.0));
      row[x] = c.rgb();
    }
  }
  QImage img = small.scaled(1920, 1200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&img);
  QRadialGradient lamp(QPointF(960, 380), 1100);
  lamp.setColorAt(0, QColor(255, 210, 150, 40));
  lamp.setColorAt(0.5, QColor(0, 0, 0, 40));
  lamp.setColorAt(1, QColor(0, 0, 0, 200));
  p.fillRect(img.rect(), lamp);
  // The console stands in the middle of the table (backdrop and console are both
  // centred on the screen): its shadow falls on the wood.
  const QPointF at((img.width() - d.size.width()) / 2.0, (img.height() - d.size.height()) / 2.0);
  p.setRenderHint(QPainter::Antialiasing);
  soft_shape(p, Outline().all().translated(at), QColor(0, 0, 0, 170), 14, {6, 14});
  p.end();
  return img;
}

QImage logo_starliner(const SkinDesign&) {
  QImage img = canvas(420, 150);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath word = text_path_centered("ORVANE", sans(76, true), 200, 84, 8);
  soft_shape(p, word, QColor(0, 0, 0, 150), 6, {5, 7});
  for (int i = 2; i >= 0; --i) p.fillPath(word.translated(3.5 * (i + 1), 3.5 * (i + 1)), kStripe[i]);
  p.fillPath(word, QColor(252, 246, 230));
  p.setPen(QPen(kBrown, 2));
  p.drawPath(word);
  p.setPen(Qt::NoPen);
  draw_label(p, "STARLINER  \u00B7  SIMULATOR", sans(19, true), {206, 130}, QColor(252, 214, 140), 4);
  return img;
}

}  // namespace vx::assets
