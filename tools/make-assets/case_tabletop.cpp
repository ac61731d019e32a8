// Skin 1, "Vornix Tabletop": a small arcade-style tabletop cabinet in dark navy
// plastic with a backlit marquee, a silver screen bezel, red-orange-yellow side
// stripes and a sloping control deck. Also its deep-space backdrop and logo.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <random>

#include "controls_art.h"
#include "paint.h"
#include "skin_design.h"

namespace vx::assets {
namespace {

const QColor kPlastic(22, 27, 40);
const QColor kStripe[3] = {QColor(226, 58, 46), QColor(240, 138, 36), QColor(244, 197, 66)};
const QColor kPrint(214, 220, 232);
const QColor kAccent(240, 138, 36);

// Chrome letters with a dark outline and a blue glow.
void chrome_word(QPainter& p, const QPainterPath& word, double outline, double glow) {
  soft_shape(p, word, QColor(80, 205, 255, 205), glow);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(5, 9, 28), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(word);
  p.setPen(Qt::NoPen);
  p.fillPath(word, vertical(word.boundingRect(), {{0, QColor(255, 255, 255)},
                                                  {0.45, QColor(160, 202, 242)},
                                                  {0.5, QColor(27, 57, 118)},
                                                  {0.71, QColor(115, 170, 232)},
                                                  {1, QColor(240, 250, 255)}}));
}

// Marquee hood, cabinet body, control deck (top and front) and plinth.
struct Outline {
  QPainterPath hood = rounded(QRectF(30, 6, 468, 96), 20);
  QPainterPath body = rounded(QRectF(46, 80, 436, 512), 8);
  QPainterPath deck = polygon({{34, 578}, {494, 578}, {514, 706}, {14, 706}});
  QPainterPath deck_front = rounded(QRectF(14, 700, 500, 24), 5);
  QPainterPath plinth = rounded(QRectF(40, 722, 448, 21), 6);
  QPainterPath all() const { return hood.united(body).united(deck).united(deck_front).united(plinth).simplified(); }
};

void stars(QPainter& p, const QRectF& area, int count, unsigned seed, double max_size) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> ux(area.left(), area.right()), uy(area.top(), area.bottom()), u(0, 1);
  for (int i = 0; i < count; ++i) {
    const QPointF at(ux(rng), uy(rng));
    const double b = std::pow(u(rng), 3);
    const double r = 0.35 + b * max_size;
    const QColor c = mix(QColor(170, 200, 255), QColor(255, 236, 210), u(rng));
    p.setPen(Qt::NoPen);
    p.setBrush(alpha(c, 0.35 + 0.65 * b));
    p.drawEllipse(at, r, r);
  }
}

void paint_marquee(QPainter& p, const Outline& o) {
  const QRectF panel(44, 16, 440, 76);
  const QPainterPath pp = rounded(panel, 12);
  QLinearGradient g(panel.topLeft(), panel.bottomLeft());
  g.setColorAt(0, QColor(8, 18, 58));
  g.setColorAt(0.6, QColor(26, 14, 70));
  g.setColorAt(1, QColor(60, 14, 66));
  p.fillPath(pp, g);
  p.save();
  p.setClipPath(pp);
  soft_shape(p, rounded(QRectF(110, 40, 300, 40), 20), QColor(80, 200, 255, 70), 18);
  stars(p, panel, 160, 7, 1.3);
  // The planet rising at the right of the marquee.
  QRadialGradient planet(QPointF(440, 96), 70);
  planet.setColorAt(0, QColor(255, 140, 60));
  planet.setColorAt(0.85, QColor(170, 40, 40));
  planet.setColorAt(1, QColor(80, 10, 30));
  p.setBrush(planet);
  p.setPen(QPen(QColor(255, 200, 120, 120), 1.5));
  p.drawEllipse(QPointF(452, 104), 44, 44);
  p.restore();
  // The logo: chrome letters with a dark outline.
  chrome_word(p, text_path_centered("VORNIX", sans(54, true, true), 264, 72, 3), 5, 6);
  draw_label(p, "ORVANE  \u00B7  TABLETOP SPACE BATTLE", sans(9.5, true), {264, 87}, QColor(255, 200, 120), 2);
  // Frame of the marquee panel.
  p.setPen(QPen(QColor(0, 0, 0, 200), 3));
  p.drawPath(pp);
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  p.drawPath(rounded(panel.adjusted(-2.5, -2.5, 2.5, 2.5), 14));
  (void)o;
}

void paint_screen_bezel(QPainter& p, const SkinDesign& d) {
  const QRectF glass = d.screen.glass;
  const QRectF frame = glass.adjusted(-17, -15, 17, 15);
  soft_shape(p, rounded(frame, 20), QColor(0, 0, 0, 200), 7, {0, 5});
  QLinearGradient m(frame.topLeft(), frame.bottomRight());
  m.setColorAt(0, QColor(236, 238, 244));
  m.setColorAt(0.3, QColor(170, 176, 188));
  m.setColorAt(0.52, QColor(110, 114, 126));
  m.setColorAt(0.7, QColor(176, 180, 192));
  m.setColorAt(1, QColor(84, 88, 100));
  p.fillPath(rounded(frame, 20), m);
  p.setPen(QPen(QColor(255, 255, 255, 120), 1));
  p.drawPath(rounded(frame.adjusted(1, 1, -1, -1), 19));
  p.setPen(Qt::NoPen);
  const QRectF mat = glass.adjusted(-7, -7, 7, 7);
  p.fillPath(rounded(mat, 14), vertical(mat, {{0, QColor(2, 2, 4)}, {1, QColor(24, 26, 32)}}));
  // Four screws in the corners of the bezel.
  for (QPointF s : {frame.topLeft() + QPointF(9, 8), frame.topRight() + QPointF(-9, 8),
                    frame.bottomLeft() + QPointF(9, -8), frame.bottomRight() + QPointF(-9, -8)}) {
    QRadialGradient sg(s + QPointF(-1, -1), 4);
    sg.setColorAt(0, QColor(250, 250, 255));
    sg.setColorAt(1, QColor(90, 92, 100));
    p.setBrush(sg);
    p.setPen(QPen(QColor(60, 60, 68), 0.8));
    p.drawEllipse(s, 3.4, 3.4);
    p.setPen(QPen(QColor(50, 50, 58), 1));
    p.drawLine(s + QPointF(-2, -2), s + QPointF(2, 2));
    p.drawLine(s + QPointF(-2, 2), s + QPointF(2, -2));
  }
  p.setPen(Qt::NoPen);
  draw_label(p, "VACUUM FLUORESCENT DISPLAY", sans(7.5, true), {glass.center().x(), frame.bottom() - 3.5},
             QColor(40, 44, 56), 1.6);
}

void paint_stripes(QPainter& p) {
  for (int side = 0; side < 2; ++side)
    for (int i = 0; i < 3; ++i) {
      const double x = side == 0 ? 58 + i * 8 : 464 - i * 8;
      QPainterPath s = polygon({{x, 112 + i * 6.0}, {x + 5, 106 + i * 6.0}, {x + 5, 566}, {x, 566}});
      p.fillPath(s, kStripe[side == 0 ? i : 2 - i]);
    }
}

void paint_deck(QPainter& p, const SkinDesign& d, const Outline& o, const ControlState& s) {
  QLinearGradient g(0, 578, 0, 706);
  g.setColorAt(0, QColor(56, 62, 80));
  g.setColorAt(0.08, QColor(40, 45, 60));
  g.setColorAt(1, QColor(24, 27, 37));
  p.fillPath(o.deck, g);
  p.setPen(QPen(QColor(255, 255, 255, 70), 1.2));
  p.drawLine(QPointF(36, 579), QPointF(492, 579));
  QLinearGradient f(0, 700, 0, 724);
  f.setColorAt(0, QColor(14, 16, 24));
  f.setColorAt(1, QColor(6, 7, 11));
  p.setPen(Qt::NoPen);
  p.fillPath(o.deck_front, f);
  p.fillRect(QRectF(22, 706.5, 484, 1.5), QColor(190, 196, 210, 160));
  // Printed frames and labels.
  p.setPen(QPen(alpha(kAccent, 0.85), 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(rounded(QRectF(48, 588, 130, 112), 14));
  p.drawPath(rounded(QRectF(360, 588, 112, 112), 14));
  p.drawPath(rounded(QRectF(192, 588, 144, 112), 10));
  p.setPen(Qt::NoPen);
  draw_label(p, "\u25C0  MOVE  \u25B6", sans(9, true), {113, 698}, kPrint, 1.5);
  draw_label(p, "FIRE", sans(11, true), {416, 698}, kPrint, 3);
  draw_label(p, "OFF", sans(8, true), {222, 606}, kPrint, 0.8);
  draw_label(p, "ON", sans(8, true), {300, 606}, kPrint, 0.8);
  draw_label(p, "POWER", sans(8.5, true), {264, 630}, kPrint, 2);
  draw_label(p, "SELECT", sans(8.5, true), {227, 694}, kPrint, 1.5);
  draw_label(p, "START", sans(8.5, true), {301, 694}, kPrint, 1.5);
  draw_label(p, "MODEL VX-50  \u00B7  SKILL LEVELS 1-4", sans(7.5, true), {264, 718}, QColor(150, 156, 170), 1.4);

  const Controls& c = d.controls;
  draw_slide_switch(p, QRectF(238, 597, 50, 11), s.power_on, {322, 602}, QColor(255, 60, 40));
  draw_oblong_button(p, QRectF(c.select.left() + 8, c.select.top() + 8, 46, 22), QColor(170, 176, 190), s.select_down);
  draw_oblong_button(p, QRectF(c.start.left() + 8, c.start.top() + 8, 46, 22), QColor(240, 150, 40), s.start_down);
  draw_round_button(p, c.fire.center() + QPointF(0, -2), 29, QColor(214, 30, 30), QColor(150, 154, 166), s.fire_down);
  const JoystickStyle js{46, 33, QColor(30, 33, 44), QColor(170, 176, 190), QColor(220, 30, 36), 46, 13.5};
  draw_joystick(p, c.joystick.center() + QPointF(0, 9), js, s.stick);
}

}  // namespace

void paint_case_tabletop(QPainter& p, const SkinDesign& d, const ControlState& s) {
  const Outline o;
  p.setRenderHint(QPainter::Antialiasing);
  // Soft shading of the case: darker edges, a highlight down the left side.
  const QPainterPath shape = o.all();
  QLinearGradient side(0, 0, d.size.width(), 0);
  side.setColorAt(0, kPlastic.darker(170));
  side.setColorAt(0.1, kPlastic.lighter(125));
  side.setColorAt(0.5, kPlastic);
  side.setColorAt(0.92, kPlastic.darker(120));
  side.setColorAt(1, kPlastic.darker(200));
  p.fillPath(shape, side);
  // Edge trim all round the silhouette.
  p.setPen(QPen(QColor(120, 18, 24), 3));
  p.drawPath(shape);
  p.setPen(QPen(QColor(255, 255, 255, 30), 1));
  p.drawPath(QTransform::fromTranslate(0, 1.5).map(shape));
  p.setPen(Qt::NoPen);
  // The hood's underside casts a shadow on the body.
  soft_shape(p, rounded(QRectF(50, 92, 428, 14), 4), QColor(0, 0, 0, 170), 5, {0, 4});
  paint_marquee(p, o);
  paint_stripes(p);
  paint_screen_bezel(p, d);
  paint_deck(p, d, o, s);
  // Plinth with a chrome strip and rubber feet.
  p.fillPath(o.plinth, QColor(10, 11, 16));
  p.fillRect(QRectF(48, 730, 432, 2), QColor(170, 176, 190, 180));
  for (double x : {70.0, 458.0}) p.fillPath(rounded(QRectF(x - 22, 739, 44, 6), 3), QColor(4, 4, 6));
}

QImage backdrop_tabletop(const SkinDesign&) {
  const int w = 1920, h = 1200;
  // Nebula painted small, blurred and scaled up.
  QImage neb = canvas(w / 4, h / 4, QColor(3, 5, 12));
  {
    QPainter p(&neb);
    p.setRenderHint(QPainter::Antialiasing);
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> u(0, 1);
    const QColor tints[] = {QColor(70, 20, 120), QColor(10, 80, 110), QColor(120, 20, 80), QColor(20, 40, 120)};
    for (int i = 0; i < 26; ++i) {
      const QPointF c(u(rng) * neb.width(), (0.15 + 0.7 * u(rng)) * neb.height());
      p.setPen(Qt::NoPen);
      p.setBrush(alpha(tints[i % 4], 0.22 + 0.25 * u(rng)));
      p.drawEllipse(c, 20 + 70 * u(rng), 10 + 40 * u(rng));
    }
  }
  blur(neb, 18);
  QImage img = neb.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  stars(p, QRectF(0, 0, w, h), 3200, 5, 1.4);
  // A few bright stars with a soft glow.
  std::mt19937 rng(23);
  std::uniform_real_distribution<double> u(0, 1);
  for (int i = 0; i < 40; ++i) {
    const QPointF c(u(rng) * w, u(rng) * h);
    soft_shape(p, rounded(QRectF(c.x() - 2, c.y() - 2, 4, 4), 2), QColor(180, 220, 255, 200), 4);
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
    p.drawLine(c - QPointF(7, 0), c + QPointF(7, 0));
    p.drawLine(c - QPointF(0, 7), c + QPointF(0, 7));
  }
  // A planet's limb in the lower left, lit from the right.
  const QPointF pc(-260, 1480);
  const double r = 820;
  QPainterPath planet;
  planet.addEllipse(pc, r, r);
  soft_shape(p, planet, QColor(40, 170, 220, 150), 24);
  QRadialGradient pg(pc + QPointF(r * 0.5, -r * 0.55), r * 1.2);
  pg.setColorAt(0, QColor(70, 120, 170));
  pg.setColorAt(0.45, QColor(20, 40, 80));
  pg.setColorAt(1, QColor(2, 4, 10));
  p.setPen(Qt::NoPen);
  p.fillPath(planet, pg);
  p.end();
  return img;
}

QImage logo_tabletop(const SkinDesign&) {
  QImage img = canvas(460, 150);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  chrome_word(p, text_path_centered("VORNIX", sans(92, true, true), 230, 96, 4), 7, 10);
  draw_label(p, "(ORVANE) SIMULATOR", sans(22, true), {230, 134}, QColor(255, 190, 90), 6);
  return img;
}

}  // namespace vx::assets
