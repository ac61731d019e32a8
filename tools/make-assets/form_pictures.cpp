#include "form_pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <random>

#include "image_io.h"
#include "paint.h"
#include "phosphor.h"
#include "segments.h"
#include "skin_writer.h"

namespace vx::assets {
namespace {

const QColor kStripe[3] = {QColor(226, 58, 46), QColor(240, 138, 36), QColor(244, 197, 66)};

std::filesystem::path forms_dir(const std::filesystem::path& data_dir, const char* form) {
  const std::filesystem::path dir = data_dir / "Graphics" / "Forms" / form;
  std::filesystem::create_directories(dir);
  return dir;
}

void starfield(QPainter& p, const QRectF& area, int count, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> u(0, 1);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const double b = u(rng) * u(rng);
    p.setBrush(QColor(220, 230, 255, static_cast<int>(60 + 195 * b)));
    const double r = 0.4 + b * 1.1;
    p.drawEllipse(QPointF(area.left() + u(rng) * area.width(), area.top() + u(rng) * area.height()), r, r);
  }
}

// A segment of the first skin drawn large and glowing, as on the box.
QImage big_segment(ElementId id, double scale, bool red) {
  const SkinDesign& d = skin_designs().front();
  ScreenLayout big = d.screen;
  big.col_pitch = static_cast<int>(big.col_pitch * scale);
  big.row_pitch = static_cast<int>(big.row_pitch * scale);
  big.enemy = big.enemy * scale;
  big.shot = big.shot * scale;
  const QRect box = big.box_of(id);
  return lit_picture(segment_shape(id, big), box.size(), {1, 1}, red ? d.display.filtered : d.display.main, 0);
}

QImage box_art(const std::filesystem::path& data_dir) {
  const SkinDesign& skin = skin_designs().front();
  QImage img = canvas(460, 160);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(img.rect(),
             vertical(img.rect(), {{0, QColor(4, 6, 24)}, {0.65, QColor(30, 12, 60)}, {1, QColor(110, 30, 60)}}));
  starfield(p, QRectF(0, 0, 460, 120), 220, 3);
  // The horizon glow and a floor grid running to it.
  QRadialGradient glow(QPointF(180, 150), 220);
  glow.setColorAt(0, QColor(255, 140, 60, 150));
  glow.setColorAt(1, QColor(255, 140, 60, 0));
  p.fillRect(img.rect(), glow);
  p.setPen(QPen(QColor(255, 90, 160, 110), 1));
  for (int i = -12; i <= 12; ++i) p.drawLine(QPointF(180 + i * 8, 128), QPointF(180 + i * 60, 160));
  for (double y : {130.0, 134.0, 140.0, 149.0}) p.drawLine(QPointF(0, y), QPointF(460, y));
  p.setPen(Qt::NoPen);
  // The invaders in the sky: the mothership and two attackers.
  for (int c = 2; c <= 4; ++c) p.drawImage(40 + (c - 2) * 54, 2, big_segment(el_enemy(c, 9), 1.0, true));
  p.drawImage(262, 8, big_segment(el_enemy(2, 6), 1.0, false));
  p.drawImage(282, 48, big_segment(el_enemy(3, 5), 1.0, false));
  // The name.
  const QImage logo = fit_into(skin.logo(skin), QSize(280, 92));
  p.drawImage(10, 40, logo);
  const QPainterPath line =
      text_path(QString::fromUtf8("ELECTRONIC SPACE BATTLE  \u00B7  FOUR PHASES"), sans(10, true), {34, 152}, 2);
  p.fillPath(line.translated(1, 1), QColor(0, 0, 0, 160));
  p.fillPath(line, QColor(255, 226, 170));
  // The console itself, standing at the right.
  const QImage console = fit_into(installed_console(data_dir, skin, ComposeState::Demo), QSize(112, 152));
  soft_shape(p, rounded(QRectF(338, 150, console.width(), 8), 4), QColor(0, 0, 0, 200), 5);
  p.drawImage(338, 4, console);
  return img;
}

QImage launcher_background() {
  QImage img = canvas(800, 450, Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient top(0, 0, 0, 52);
  top.setColorAt(0, QColor(232, 238, 248));
  top.setColorAt(1, QColor(255, 255, 255));
  p.fillRect(QRectF(0, 0, 460, 52), top);
  for (int i = 0; i < 3; ++i) p.fillRect(QRectF(0, 222 + i * 3, 460, 2), kStripe[i]);
  // The stage on which the skin preview stands.
  const QRectF stage(468, 44, 324, 374);
  p.fillPath(rounded(stage, 12),
             vertical(stage, {{0, QColor(246, 248, 252)}, {0.8, QColor(226, 231, 240)}, {1, QColor(210, 216, 228)}}));
  p.setPen(QPen(QColor(190, 198, 212), 1));
  p.drawPath(rounded(stage.adjusted(0.5, 0.5, -0.5, -0.5), 12));
  p.setPen(Qt::NoPen);
  soft_shape(p, rounded(QRectF(540, 402, 180, 10), 5), QColor(0, 0, 0, 70), 6);
  p.fillRect(QRectF(460, 20, 1, 410), QColor(210, 216, 226));
  QLinearGradient bottom(0, 412, 0, 450);
  bottom.setColorAt(0, QColor(255, 255, 255));
  bottom.setColorAt(1, QColor(234, 238, 244));
  p.fillRect(QRectF(0, 412, 800, 38), bottom);
  return img;
}

QImage pill_button(const QString& text, QColor base, QColor ink, bool with_arrow) {
  QImage img = canvas(107, 30);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, 106, 29);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, base.lighter(140));
  g.setColorAt(0.5, base);
  g.setColorAt(0.51, base.darker(112));
  g.setColorAt(1, base.darker(130));
  p.fillPath(rounded(r, 7), g);
  p.setPen(QPen(base.darker(170), 1));
  p.drawPath(rounded(r, 7));
  p.setPen(QPen(QColor(255, 255, 255, 90), 1));
  p.drawPath(rounded(r.adjusted(1, 1, -1, -1), 6));
  p.setPen(Qt::NoPen);
  QPainterPath label = text_path_centered(text, sans(14, true), with_arrow ? 59 : 53.5, 20.5, 2);
  if (with_arrow) {
    QPainterPath tri;
    tri.moveTo(label.boundingRect().left() - 16, 9);
    tri.lineTo(label.boundingRect().left() - 6, 15);
    tri.lineTo(label.boundingRect().left() - 16, 21);
    tri.closeSubpath();
    label.addPath(tri);
  }
  p.fillPath(label.translated(0, 1), QColor(0, 0, 0, 70));
  p.fillPath(label, ink);
  return img;
}

QImage about_picture(const std::filesystem::path& data_dir) {
  const SkinDesign& skin = skin_designs().front();
  QImage img = canvas(116, 160);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(img.rect(), vertical(img.rect(), {{0, QColor(14, 62, 118)}, {1, QColor(8, 41, 82)}}));
  starfield(p, QRectF(0, 0, 116, 160), 60, 9);
  const QImage console = fit_into(installed_console(data_dir, skin, ComposeState::Demo), QSize(104, 148));
  soft_shape(p, rounded(QRectF((116 - console.width()) / 2.0, 150, console.width(), 6), 3), QColor(0, 0, 0, 200), 4);
  p.drawImage((116 - console.width()) / 2, 4, console);
  p.setPen(QPen(QColor(255, 255, 255, 70), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, 115, 159));
  return img;
}

// 256 x 512: an opaque black title bar (rows 0..31) with a white three-bar icon in
// columns 8..27 and the white title from column 36, then black at alpha 204.
QImage game_menu_background() {
  QImage img(256, 512, QImage::Format_ARGB32);
  img.fill(qRgba(0, 0, 0, 204));
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 256; ++x) img.setPixel(x, y, qRgba(0, 0, 0, 255));
  for (int bar = 0; bar < 3; ++bar)
    for (int y = 9 + bar * 6; y < 12 + bar * 6; ++y)
      for (int x = 8; x <= 27; ++x) img.setPixel(x, y, qRgba(255, 255, 255, 255));
  QImage title = canvas(256 - 36, 32, Qt::black);
  {
    QPainter p(&title);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(text_path("Game menu", sans(16, true), {0, 22}), Qt::white);
  }
  QPainter p(&img);
  p.drawImage(36, 0, title);
  return img;
}

// The manual viewer's 16 x 14 buttons: red bevelled squares with a white glyph.
enum class Glyph { Right, Left, Close };
QImage manual_button(Glyph glyph, bool pressed) {
  QImage img(16, 14, QImage::Format_ARGB32);
  const QRgb light = qRgb(240, 110, 100), face = qRgb(204, 32, 28), dark = qRgb(110, 10, 8), edge = qRgb(40, 0, 0);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 16; ++x) {
      QRgb c = face;
      if (x == 0 || y == 0 || x == 15 || y == 13)
        c = edge;
      else if (x == 1 || y == 1)
        c = pressed ? dark : light;
      else if (x == 14 || y == 12)
        c = pressed ? light : dark;
      img.setPixel(x, y, c);
    }
  const int d = pressed ? 1 : 0;
  auto put = [&](int x, int y) { img.setPixel(x + d, y + d, qRgb(255, 255, 255)); };
  switch (glyph) {
    case Glyph::Right:
    case Glyph::Left:
      for (int i = 0; i < 4; ++i)
        for (int t = 0; t < 2; ++t) {
          const int x = glyph == Glyph::Right ? 6 + i + t : 9 - i - t;
          put(x, 3 + i);
          put(x, 10 - i);
        }
      break;
    case Glyph::Close:
      for (int i = 0; i < 7; ++i) {
        put(4 + i, 3 + i);
        put(5 + i, 3 + i);
        put(10 - i, 3 + i);
        put(11 - i, 3 + i);
      }
      break;
  }
  return img;
}

}  // namespace

void write_form_pictures(const std::filesystem::path& data_dir) {
  const auto splash = forms_dir(data_dir, "TSplashForm");
  write_png(splash / "im_background.png", launcher_background(), false);
  write_png(splash / "im_box_picture.png", box_art(data_dir), false);
  write_png(splash / "btn_play.png", pill_button("PLAY", QColor(40, 150, 60), Qt::white, true), true);
  write_png(splash / "btn_play_disabled.png", pill_button("PLAY", QColor(196, 198, 202), QColor(236, 238, 240), true),
            true);
  write_png(splash / "btn_paypal.png", pill_button("DONATE", QColor(30, 100, 190), Qt::white, false), true);
  write_png(splash / "btn_paypal_disabled.png",
            pill_button("DONATE", QColor(196, 198, 202), QColor(236, 238, 240), false), true);
  write_png(forms_dir(data_dir, "TAboutForm") / "im_picture.png", about_picture(data_dir), false);
  write_png(forms_dir(data_dir, "TForm1") / "btn_game_menu_background.png", game_menu_background(), true);
  const auto manual = forms_dir(data_dir, "TManualForm");
  const struct {
    const char* name;
    Glyph glyph;
  } buttons[] = {{"btn_right", Glyph::Right}, {"btn_left", Glyph::Left}, {"btn_close", Glyph::Close}};
  for (const auto& b : buttons) {
    write_png(manual / (std::string(b.name) + "_up.png"), manual_button(b.glyph, false), false);
    write_png(manual / (std::string(b.name) + "_down.png"), manual_button(b.glyph, true), false);
  }
}

}  // namespace vx::assets
