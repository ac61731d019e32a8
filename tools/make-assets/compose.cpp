#include "compose.h"

#include <QPainter>
#include <array>
#include <map>

#include "image_io.h"
#include "looks.h"
#include "platform/picture.h"
#include "skin/skin_description.h"

namespace vx::assets {
namespace {

struct Sprite {
  QRect box;
  QImage picture;  // null: shows nothing
  bool has_alpha = false;
  bool visible = false;
};

QImage placeholder() {
  const PictureRef p = placeholder_picture();
  QImage img(p->width, p->height, QImage::Format_ARGB32);
  for (int y = 0; y < p->height; ++y)
    for (int x = 0; x < p->width; ++x) img.setPixel(x, y, p->pixel(x, y));
  return img;
}

class Board {
 public:
  // The skin's pictures, decoded through `pictures` (within the skin's limit).
  Board(const SkinFile& skin, SkinPictures& pictures, std::vector<std::string>* problems) {
    for (int i = 0; i < kSkinElementCount; ++i) {
      const SkinImageKeys& keys = skin.images[i];
      Sprite& s = s_[i];
      s.box = keys.box;
      if (!names_file(keys.filename)) continue;
      const auto file = find_in_folder(skin.folder, keys.filename);
      if (!file) {
        s.picture = placeholder();
        note(problems, i, keys.filename + " not found");
        continue;
      }
      std::string error;
      const LoadedPicture loaded = as_loaded(pictures.load(*file, error), error);
      if (loaded.image.isNull()) {
        s.picture = placeholder();
        note(problems, i, keys.filename + ": " + loaded.error);
        continue;
      }
      s.picture = loaded.image;
      s.has_alpha = loaded.has_alpha;
    }
  }

  Sprite& operator[](ElementId id) { return s_[id]; }
  void show(ElementId id, bool on = true) { s_[id].visible = on; }
  void set_picture_from(ElementId id, ElementId source) {
    s_[id].picture = s_[source].picture;
    s_[id].has_alpha = s_[source].has_alpha;
  }
  void clear_picture(ElementId id) { s_[id].picture = QImage(); }

  // The window's drawing order: skin order, each state picture just above its clickable.
  void paint(QPainter& p, QPoint offset) const {
    static constexpr std::array<std::pair<ElementId, ElementId>, 5> kStateOver{
        {{btn_power_top, btn_power_on},
         {btn_select_top, btn_select_down},
         {btn_start_top, btn_start_down},
         {btn_fire_top, btn_fire_down},
         {btn_joystick_top, btn_joystick_placeholder}}};
    for (ElementId id = 0; id < kSkinElementCount; ++id) {
      bool is_state = false;
      for (const auto& [top, state] : kStateOver) is_state |= id == state;
      if (is_state) continue;
      draw(p, id, offset);
      for (const auto& [top, state] : kStateOver)
        if (id == top) draw(p, state, offset);
    }
  }

 private:
  static void note(std::vector<std::string>* problems, ElementId id, const std::string& what) {
    if (problems) problems->push_back(std::string(element_name(id)) + ": " + what);
  }

  void draw(QPainter& p, ElementId id, QPoint offset) const {
    const Sprite& s = s_[id];
    if (!s.visible || s.picture.isNull() || s.box.isEmpty()) return;
    QImage pic = s.picture;
    if (!s.has_alpha && element_transparent(id)) {
      // The bottom-left pixel's colour is see-through.
      pic = pic.convertToFormat(QImage::Format_ARGB32);
      const QRgb key = pic.pixel(0, pic.height() - 1);
      for (int y = 0; y < pic.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(pic.scanLine(y));
        for (int x = 0; x < pic.width(); ++x)
          if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF)) row[x] = 0;
      }
    } else if (!s.has_alpha) {
      pic = pic.convertToFormat(QImage::Format_RGB32);
    }
    const QRect box = s.box.translated(offset);
    p.save();
    p.setClipRect(box);
    p.drawImage(box.topLeft(), pic);
    p.restore();
  }

  std::array<Sprite, kSkinElementCount> s_;
};

// The panel reads `text` (digits, 'g', 'o', 'd' or blank), position 1 leftmost.
void write_panel(Board& b, const char (&text)[5]) {
  for (int pos = 1; pos <= 4; ++pos) {
    const ElementId at = el_panel_digit_pos(pos);
    b.show(at);
    const char ch = text[pos - 1];
    if (ch >= '0' && ch <= '9')
      b.set_picture_from(at, el_panel_number(ch - '0'));
    else if (ch == 'g')
      b.set_picture_from(at, im_panel_letter_g);
    else if (ch == 'o')
      b.set_picture_from(at, im_panel_letter_o);
    else if (ch == 'd')
      b.set_picture_from(at, im_panel_letter_d);
    else
      b.clear_picture(at);
  }
}

// Every cell of rows 1..6 and every ship sprite takes one look.
void set_looks(Board& b, LookKind enemy, bool dock) {
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 5; ++c) {
      const LookRef set = look_set_of_cell(c, r);
      b.set_picture_from(el_enemy(c, r), *el_enemy_look(set.set_col, set.set_row, enemy));
    }
  for (int c = 1; c <= 5; ++c) b.set_picture_from(el_ship(c), dock ? el_ship_dock(c) : el_ship_whole(c));
}

void set_state(Board& b, ComposeState state) {
  for (ElementId id : {im_background, im_background_screen_top, btn_power_top, btn_select_top, btn_start_top,
                       btn_fire_top, btn_joystick_top, btn_joystick_placeholder})
    b.show(id);
  b.clear_picture(btn_joystick_placeholder);
  if (state == ComposeState::All) {
    for (ElementId id = 0; id < kSkinElementCount; ++id) b.show(id);
    return;
  }
  write_panel(b, "    ");
  if (state == ComposeState::Off) return;
  b.show(btn_power_on);
  b.show(im_background_screen_on);
  switch (state) {
    case ComposeState::On:
      set_looks(b, LookKind::Whole, false);
      write_panel(b, "8888");
      for (int c = 1; c <= 5; ++c) {
        for (int r = 1; r <= 9; ++r) b.show(el_enemy(c, r));
        for (int r = 2; r <= 9; ++r) b.show(el_fire(c, r));
        b.show(el_ship(c));
      }
      break;
    case ComposeState::Demo:
      set_looks(b, LookKind::Whole, false);
      write_panel(b, "1250");
      for (int c : {2, 3, 4}) b.show(el_enemy(c, 9));
      for (int c : {1, 4}) b.show(el_enemy(c, 8));
      for (int c : {2, 5}) b.show(el_enemy(c, 7));
      b.show(el_enemy(3, 5));
      b.set_picture_from(el_enemy(4, 3), *el_enemy_look(4, 5, LookKind::Wings));
      b.show(el_enemy(4, 3));
      b.show(el_fire(3, 4));
      b.show(el_fire(2, 3));
      b.show(el_ship(3));
      break;
    case ComposeState::Phase4:
      set_looks(b, LookKind::Body, true);
      write_panel(b, " 742");
      b.show(el_enemy(2, 3));
      b.show(el_fire(2, 3));
      b.show(el_ship(4));
      b.show(btn_fire_down);
      break;
    default:
      break;
  }
}

}  // namespace

std::optional<ComposeState> compose_state_by_name(std::string_view name) {
  if (name == "off") return ComposeState::Off;
  if (name == "on") return ComposeState::On;
  if (name == "all") return ComposeState::All;
  if (name == "demo") return ComposeState::Demo;
  if (name == "phase4") return ComposeState::Phase4;
  return std::nullopt;
}

QImage compose_window(const SkinFile& skin, ComposeState state, std::vector<std::string>* problems,
                      SkinPictures* pictures) {
  SkinPictures own;
  Board board(skin, pictures ? *pictures : own, problems);
  set_state(board, state);
  const QColor key = parse_colour(skin.transp_color).value_or(QColor(255, 0, 255));
  QImage frame(std::max(1, skin.game_width), std::max(1, skin.game_height), QImage::Format_RGB32);
  frame.fill(key);
  QPainter p(&frame);
  board.paint(p, {0, 0});
  p.end();
  return frame;
}

QImage compose_fullscreen(const SkinFile& skin, ComposeState state, QSize screen, std::vector<std::string>* problems,
                          SkinPictures* pictures) {
  // The program loads the backdrop and the logo first, then the elements.
  SkinPictures own;
  SkinPictures& decoded = pictures ? *pictures : own;
  auto read = [&](const char* key, const std::string& name) -> std::optional<LoadedPicture> {
    const auto file = names_file(name) ? find_in_folder(skin.folder, name) : std::nullopt;
    if (!file) return std::nullopt;
    std::string error;
    LoadedPicture loaded = as_loaded(decoded.load(*file, error), error);
    if (loaded.image.isNull() && problems) problems->push_back(std::string(key) + ": " + name + ": " + error);
    return loaded;
  };
  const auto backdrop = read("[Fullscreen] BackdropFile", skin.backdrop_file);
  const auto logo = read("[Fullscreen] LogoFile", skin.logo_file);
  Board board(skin, decoded, problems);
  set_state(board, state);
  QImage frame(screen, QImage::Format_RGB32);
  frame.fill(parse_colour(skin.bg_color).value_or(Qt::black));
  QPainter p(&frame);
  if (backdrop && !backdrop->image.isNull()) {
    const QImage& bd = backdrop->image;
    if (skin.backdrop_stretch == 1)
      p.drawImage(QRect(QPoint(0, 0), screen), bd);
    else
      p.drawImage((screen.width() - bd.width()) / 2, (screen.height() - bd.height()) / 2, bd);
  }
  if (logo && !logo->image.isNull()) {
    const int right = screen.width() - logo->image.width(), bottom = screen.height() - logo->image.height();
    const int pos = skin.logo_position;
    const QPoint at(pos == 1 || pos == 3 ? right : 0, pos >= 2 && pos <= 3 ? bottom : 0);
    p.drawImage(at, logo->image);
  }
  board.paint(p, {console_offset(skin.offset_x, screen.width(), skin.game_width),
                  console_offset(skin.offset_y, screen.height(), skin.game_height)});
  p.end();
  return frame;
}

namespace {
// A copy of `frame` in `format` where each pixel of colour `key` becomes what
// `replace(x, y)` gives.
template <typename Replace>
QImage replace_key(const QImage& frame, QColor key, QImage::Format format, Replace replace) {
  QImage out = frame.convertToFormat(format);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((row[x] & 0xFFFFFF) == (key.rgb() & 0xFFFFFF)) row[x] = replace(x, y);
  }
  return out;
}
}  // namespace

QImage key_as_checkerboard(const QImage& frame, QColor key) {
  return replace_key(frame, key, QImage::Format_RGB32,
                     [](int x, int y) { return ((x / 8 + y / 8) % 2) ? qRgb(204, 204, 204) : qRgb(153, 153, 153); });
}

QImage key_as_transparent(const QImage& frame, QColor key) {
  return replace_key(frame, key, QImage::Format_ARGB32, [](int, int) { return QRgb(0); });
}

}  // namespace vx::assets
