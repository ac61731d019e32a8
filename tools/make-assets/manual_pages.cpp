#include "manual_pages.h"

#include <QLinearGradient>
#include <QTextDocument>
#include <functional>
#include <string>

#include "image_io.h"
#include "paint.h"
#include "phosphor.h"
#include "segments.h"
#include "skin_writer.h"

namespace vx::assets {
namespace {

const QColor kPaper(247, 242, 230);
const QColor kInk(40, 40, 46);
const QColor kNavy(16, 26, 58);
const QColor kRed(196, 44, 36);
const QColor kStripe[3] = {QColor(226, 58, 46), QColor(240, 138, 36), QColor(244, 197, 66)};
constexpr int kMargin = 30;

// Lays out one page from top to bottom.
class Page {
 public:
  Page(int number, const QString& title) : img_(canvas(kManualPageSize, kPaper)), p_(&img_), number_(number) {
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setRenderHint(QPainter::TextAntialiasing);
    p_.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!title.isEmpty()) {
      p_.fillRect(QRectF(0, 0, width(), 54), kNavy);
      for (int i = 0; i < 3; ++i) p_.fillRect(QRectF(0, 54 + i * 3, width(), 2), kStripe[i]);
      p_.fillPath(text_path(title, sans(22, true), {kMargin, 37}, 1), QColor(250, 246, 236));
      y_ = 78;
    }
  }

  QPainter& painter() { return p_; }
  double y() const { return y_; }
  void skip(double dy) { y_ += dy; }
  static double width() { return kManualPageSize.width(); }

  void heading(const QString& text) {
    y_ += 6;
    p_.fillPath(text_path(text, sans(15, true), {kMargin, y_ + 14}), kRed);
    y_ += 22;
  }

  // A paragraph (simple HTML: <b>, <i>) in a column `width` wide starting `indent`
  // from the margin; 0 width means to the right margin.
  void para(const QString& html, double indent = 0, double column = 0) {
    const double w = column > 0 ? column : width() - 2 * kMargin - indent;
    y_ += draw_html(html, QPointF(kMargin + indent, y_), w) + 6;
  }

  void bullet(const QString& html) {
    p_.setPen(Qt::NoPen);
    p_.setBrush(kRed);
    p_.drawEllipse(QPointF(kMargin + 4, y_ + 9), 2.6, 2.6);
    y_ += draw_html(html, QPointF(kMargin + 14, y_), width() - 2 * kMargin - 14) + 5;
  }

  // `img` framed at the right margin from here on, the paragraphs in the column
  // to its left; continues below whichever ends lower.
  void beside(const QImage& img, std::initializer_list<QString> paragraphs) {
    const double top = y_ + 2;
    soft_shape(p_, rounded(QRectF(width() - kMargin - img.width(), top, img.width(), img.height()), 8),
               QColor(0, 0, 0, 90), 4, {1, 3});
    p_.save();
    p_.setClipPath(rounded(QRectF(width() - kMargin - img.width(), top, img.width(), img.height()), 8));
    p_.drawImage(QPointF(width() - kMargin - img.width(), top), img);
    p_.restore();
    for (const QString& text : paragraphs) para(text, 0, width() - 2 * kMargin - img.width() - 14);
    y_ = std::max(y_, top + img.height() + 8);
  }

  QImage finish() {
    if (number_ == 1) {
      p_.end();
      return img_;
    }
    p_.setFont(sans(11, true));
    p_.setPen(QColor(120, 116, 106));
    const QString folio = QString::fromUtf8("\u2014 %1 \u2014").arg(number_);
    p_.drawText(QRectF(0, kManualPageSize.height() - 30, width(), 20), Qt::AlignHCenter, folio);
    p_.end();
    return img_;
  }

 private:
  double draw_html(const QString& html, QPointF at, double w) {
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setDefaultFont(sans(12.5));
    doc.setDefaultStyleSheet("body { color: #28282e; } b { color: #202024; }");
    doc.setHtml("<body>" + html + "</body>");
    doc.setTextWidth(w);
    p_.save();
    p_.translate(at);
    doc.drawContents(&p_);
    p_.restore();
    return doc.size().height();
  }

  QImage img_;
  QPainter p_;
  int number_;
  double y_ = kMargin;
};

const SkinDesign& skin() { return skin_designs().front(); }

// A dark tile showing one lit segment of the first skin, as on the screen.
QImage tile(ElementId id, QSize size) {
  const SkinDesign& d = skin();
  const QRect box = d.screen.box_of(id);
  QImage img = canvas(size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(rounded(QRectF(0, 0, size.width(), size.height()), 6), QColor(6, 14, 14));
  const Phosphor& ph = element_filtered(id, d.display) ? d.display.filtered : d.display.main;
  p.drawImage((size.width() - box.width()) / 2, (size.height() - box.height()) / 2,
              lit_picture(segment_shape(id, d.screen), box.size(), box.topLeft(), ph, d.display.mesh));
  return img;
}

// The screen of the installed first skin in `state`, scaled to `height`.
QImage screen_view(const std::filesystem::path& data_dir, ComposeState state, int height) {
  const QImage console = installed_console(data_dir, skin(), state);
  return console.copy(skin().screen.glass).scaledToHeight(height, Qt::SmoothTransformation);
}

QImage cover(const std::filesystem::path& data_dir) {
  Page page(1, QString());
  QPainter& p = page.painter();
  QLinearGradient sky(0, 0, 0, kManualPageSize.height());
  sky.setColorAt(0, QColor(6, 10, 34));
  sky.setColorAt(0.7, QColor(34, 14, 66));
  sky.setColorAt(1, QColor(90, 24, 60));
  p.fillRect(QRectF(QPointF(0, 0), QSizeF(kManualPageSize)), sky);
  std::uint32_t seed = 5;
  for (int i = 0; i < 260; ++i) {
    seed = seed * 1664525U + 1013904223U;
    const double x = (seed >> 8) % 475, y = ((seed >> 4) * 7) % 675;
    const double b = ((seed >> 20) % 100) / 100.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 230, 255, static_cast<int>(50 + 160 * b * b)));
    p.drawEllipse(QPointF(x, y), 0.5 + b, 0.5 + b);
  }
  const QImage logo = fit_into(skin().logo(skin()), QSize(400, 130));
  p.drawImage(QPointF((475 - logo.width()) / 2.0, 24), logo);
  const QImage console = fit_into(installed_console(data_dir, skin(), ComposeState::Demo), QSize(300, 400));
  soft_shape(
      p, rounded(QRectF((475 - console.width()) / 2.0 + 10, 156 + console.height() - 8, console.width() - 20, 14), 7),
      QColor(0, 0, 0, 220), 8);
  p.drawImage(QPointF((475 - console.width()) / 2.0, 160), console);
  for (int i = 0; i < 3; ++i) p.fillRect(QRectF(0, 574 + i * 4, 475, 3), kStripe[i]);
  p.fillPath(text_path_centered("INSTRUCTION MANUAL", sans(22, true), 237.5, 614, 4), QColor(250, 244, 230));
  p.fillPath(text_path_centered(QString::fromUtf8("Tabletop space battle  \u00B7  1 player  \u00B7  4 skill levels"),
                                sans(12, true), 237.5, 640, 1),
             QColor(255, 200, 120));
  return page.finish();
}

QImage controls_page() {
  Page page(2, "The controls");
  const SkinDesign& d = skin();
  const QImage frame = key_as_transparent(case_frame(d, {}), d.key);
  const QImage deck = frame.copy(QRect(12, 576, 504, 150)).scaledToWidth(415, Qt::SmoothTransformation);
  QPainter& p = page.painter();
  p.fillPath(rounded(QRectF(30, page.y(), deck.width(), deck.height()), 8), QColor(214, 206, 188));
  p.drawImage(QPointF(30, page.y()), deck);
  // Callout numbers over the deck picture.
  const double sx = 415.0 / 504, top = page.y();
  auto callout = [&](int n, QPointF at) {
    const QPointF c(30 + (at.x() - 12) * sx, top + (at.y() - 576) * sx);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(kRed);
    p.drawEllipse(c, 9, 9);
    p.setPen(Qt::NoPen);
    p.fillPath(text_path_centered(QString::number(n), sans(11, true), c.x(), c.y() + 4), Qt::white);
  };
  callout(1, {264, 590});
  callout(2, {200, 650});
  callout(3, {330, 650});
  callout(4, {60, 596});
  callout(5, {462, 606});
  page.skip(deck.height() + 14);
  page.bullet(
      "<b>1&nbsp;POWER</b> switches the console on and off. At power-on a short tune plays, then the console shows "
      "what "
      "the game looks like by playing it by itself.");
  page.bullet(
      "<b>2&nbsp;SELECT</b> chooses the skill level, 1 to 4, while the console is demonstrating. The level shows "
      "on the panel.");
  page.bullet("<b>3&nbsp;START</b> starts a game from the demonstration.");
  page.bullet(
      "<b>4&nbsp;Joystick</b> moves your ship left and right along the bottom row. Hold it over to keep moving.");
  page.bullet(
      "<b>5&nbsp;FIRE</b> sends one shot up the ship's column. A new shot can only go once the last one has hit or "
      "left the screen. In phase 4 it fires the shuttle's thruster.");
  page.heading("The screen and the panel");
  page.para(
      "The screen has five columns and nine rows of glowing pictures. Your ship lives in the bottom row. "
      "Above the screen, the four-digit panel shows your score, or the skill level while you choose it, "
      "or the ships you have left when a new one comes on.");
  page.heading("Playing on the computer");
  page.para(
      "Keys 1, 2 and 3 work POWER, SELECT and START, the left and right arrow keys the joystick and Ctrl is "
      "FIRE; choose other keys under Key settings. You can also click the pictured buttons, or switch on the "
      "controller overlays and click the two arrows.");
  return page.finish();
}

QImage phases_12_page(const std::filesystem::path& data_dir) {
  Page page(3, "Phases 1 and 2");
  page.heading("Phase 1: the fleet");
  page.beside(screen_view(data_dir, ComposeState::Demo, 250),
              {"Two rows of enemies cross the top of the screen: the upper row to the left, the lower row to the "
               "right. They never come down and never shoot, but they are worth points.",
               "Out of these rows break the attackers, one at a time at skill levels 1 and 2, two at a time at "
               "levels 3 and 4. They work their way down the screen, dropping shots.",
               "Above them all waits the mothership."});
  page.para(
      "Destroy ten attackers to complete the phase. An attacker that slips out at the bottom is not "
      "counted; one that lands on your ship destroys it.");
  page.heading("Phase 2: the attack");
  page.para(
      "The rows have gone. Now the attackers swirl about the screen, turning as they fly, bouncing off the "
      "sides and the ceiling and dropping shots as they go. Each is worth 70 points. Destroy ten more to "
      "face the mothership.");
  page.heading("Losing a ship");
  page.para(
      "A shot that falls into your square, or an attacker that reaches it, destroys your ship: it bursts "
      "apart and the phase begins again with what is left of it. A game starts with five ships; when the "
      "last is gone the console goes back to its demonstration, with your score on the panel.");
  return page.finish();
}

QImage phases_34_page(const std::filesystem::path& data_dir) {
  Page page(4, "Phases 3 and 4");
  page.heading("Phase 3: the mothership");
  const double top = page.y();
  for (int c = 2; c <= 4; ++c)
    page.painter().drawImage(QPointF(kMargin + (c - 2) * 62, top), tile(el_enemy(c, 9), QSize(62, 40)));
  page.skip(48);
  page.para(
      "The mothership's three parts flicker along the top row, jumping from column to column, and drop "
      "shots. Hit a part with a shot that reaches the top row in its column while the part is there: 100 "
      "points. Destroy all three parts and the shuttle launches.");
  page.heading("Phase 4: docking the shuttle");
  page.beside(screen_view(data_dir, ComposeState::Phase4, 250),
              {"Your ship has become the dock, and the shuttle climbs out of it to the sixth row. From there it "
               "sinks one row every two and a quarter seconds.",
               "Steer it with the joystick, one column at a time, and hold FIRE to fire its thruster: the flame "
               "shows below it and it rises one row every one and a half seconds.",
               "The dock slides along the bottom row, left to right and round again."});
  page.para(
      "Set the shuttle down on the bottom row right on top of the dock. The panel counts down from 999 "
      "while you try; whatever is left when you dock is added to your score. Land beside the dock, or let "
      "the count run out, and you miss: no bonus, but no ship lost either. Then a new round begins with "
      "phase 1.");
  return page.finish();
}

QImage scoring_page() {
  Page page(5, "Scoring and skill levels");
  QPainter& p = page.painter();
  const struct {
    ElementId id;
    const char* what;
    const char* points;
  } rows[] = {{el_enemy(1, 7), "Enemy of the lower row (phase 1)", "10"},
              {el_enemy(1, 8), "Enemy of the upper row (phase 1)", "20"},
              {el_enemy(2, 6), "Attacker in phase 1: 40 if it came from the lower row, 50 from the upper", "40 / 50"},
              {el_enemy(1, 6), "Attacker in phase 2", "70"},
              {el_enemy(3, 9), "Each part of the mothership (phase 3)", "100"},
              {el_ship_dock(3), "Docking the shuttle (phase 4): what is left of the countdown", "up to 999"}};
  for (const auto& r : rows) {
    const double top = page.y();
    p.drawImage(QPointF(kMargin, top), tile(r.id, QSize(62, 42)));
    p.setFont(sans(12.5));
    p.setPen(kInk);
    p.drawText(QRectF(kMargin + 74, top, 252, 42), Qt::AlignVCenter | Qt::TextWordWrap, r.what);
    p.setFont(sans(16, true));
    p.setPen(kRed);
    p.drawText(QRectF(kMargin + 330, top, 85, 42), Qt::AlignVCenter | Qt::AlignRight, r.points);
    page.skip(47);
  }
  page.para("The panel shows scores up to 9999. Go beyond that and it can only say one thing:");
  const double top = page.y();
  const char* good = "good";
  for (int i = 0; i < 4; ++i) {
    const ElementId letter = good[i] == 'g'   ? im_panel_letter_g
                             : good[i] == 'o' ? im_panel_letter_o
                                              : im_panel_letter_d;
    p.drawImage(QPointF(kMargin + 130 + i * 38, top), tile(letter, QSize(36, 46)));
  }
  page.skip(54);
  page.heading("Skill levels");
  p.setFont(sans(12.5, true));
  const char* levels[][3] = {{"Level", "Attackers", "Attackers at once"},
                             {"1", "steady", "one"},
                             {"2", "fast", "one"},
                             {"3", "steady", "two"},
                             {"4", "fast", "two"}};
  for (int r = 0; r < 5; ++r) {
    const double y = page.y();
    if (r == 0) p.fillRect(QRectF(kMargin, y - 2, 475 - 2 * kMargin, 22), QColor(230, 222, 204));
    p.setFont(sans(12.5, r == 0));
    p.setPen(kInk);
    p.drawText(QRectF(kMargin + 8, y, 80, 20), Qt::AlignVCenter, levels[r][0]);
    p.drawText(QRectF(kMargin + 100, y, 140, 20), Qt::AlignVCenter, levels[r][1]);
    p.drawText(QRectF(kMargin + 250, y, 160, 20), Qt::AlignVCenter, levels[r][2]);
    page.skip(21);
  }
  page.skip(4);
  page.para(
      "Press SELECT during the demonstration to step through the levels; the panel shows the one chosen. "
      "Then press START.");
  return page.finish();
}

QImage tips_page(const std::filesystem::path& data_dir) {
  Page page(6, "Tips");
  page.bullet(
      "Deal with attackers while they are high. Once one is a row or two above you, step out of its "
      "column or shoot it at once.");
  page.bullet(
      "A shot that has reached the row just above your ship hits you on its next step. Move aside in "
      "time: it only falls straight down.");
  page.bullet(
      "Your shot takes a little over half a second to cross the screen, and you cannot fire again "
      "until it is gone. Don't waste it on an empty column.");
  page.bullet(
      "In phase 3, keep firing up the columns where the mothership's parts appear most often: a part "
      "that jumps onto your shot is hit as well.");
  page.bullet(
      "In phase 4 the dock moves one column about every half second, while the shuttle sinks one row "
      "in about two and a quarter. Hold the shuttle up with the thruster, line it up over the dock's "
      "path and let it fall at the right moment. The sooner you dock, the bigger the bonus.");
  page.heading("On the computer");
  page.para(
      "Right-click the console for its menu. F1 shows the about box, F2 this simulator's Readme, F3 what is "
      "new, F4 this manual, F12 switches between a window and the full screen, and Esc ends the program.");
  page.para(
      "In a window the console has no frame: drag it by its case to move it. In full screen the menu "
      "button in the top-left corner opens the game menu.");
  page.heading("Two consoles");
  page.para(
      "Skins change the whole look of the console. Two come installed; choose one in the launcher when "
      "the program starts.");
  const double top = page.y() + 4;
  QPainter& p = page.painter();
  double x = kMargin + 10;
  for (const SkinDesign& d : skin_designs()) {
    const QImage pic = fit_into(installed_console(data_dir, d, ComposeState::Demo), QSize(190, 132));
    p.drawImage(QPointF(x + (190 - pic.width()) / 2.0, top + 132 - pic.height()), pic);
    p.setFont(sans(11.5, true));
    p.setPen(kInk);
    p.drawText(QRectF(x, top + 136, 190, 18), Qt::AlignHCenter, QString::fromStdString(d.name));
    x += 215;
  }
  return page.finish();
}

}  // namespace

void write_manual(const std::filesystem::path& data_dir) {
  const std::filesystem::path dir = data_dir / "Graphics" / "Manual";
  std::filesystem::create_directories(dir);
  const std::function<QImage()> pages[kManualPages] = {[&] { return cover(data_dir); },
                                                       [] { return controls_page(); },
                                                       [&] { return phases_12_page(data_dir); },
                                                       [&] { return phases_34_page(data_dir); },
                                                       [] { return scoring_page(); },
                                                       [&] { return tips_page(data_dir); }};
  for (int n = 1; n <= kManualPages; ++n) write_bmp(dir / (std::to_string(n) + ".bmp"), pages[n - 1]());
}

}  // namespace vx::assets
