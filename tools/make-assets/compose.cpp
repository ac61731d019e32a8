#include "compose.h"

#include "display/board_painter.h"
#include "display/form_design.h"
#include "display/gfxinit.h"
#include "game/console_state.h"

namespace vx::assets {
namespace {

// The scene of each state, set on a console made as the window makes it.
void set_state(Console& k, ComposeState state) {
  k.GameMode = 0;
  k.Gam_Set_Mode();  // switched off: the panel blank, every cell dark
  if (state == ComposeState::All) {
    for (ElementId id = 0; id < kSkinElementCount; ++id) k.board.show(id, true);
    return;
  }
  if (state == ComposeState::Off) return;
  k.board.show(btn_power_on, true);
  k.board.show(im_background_screen_on, true);
  switch (state) {
    case ComposeState::On:
      k.Gam_Phase123_Set_Sprites();
      k.Vid_Display_All_Sprites(true);
      break;
    case ComposeState::Demo:
      k.Gam_Phase123_Set_Sprites();
      k.Vid_Display_Panel_Score(1250, true);
      for (int c : {2, 3, 4}) k.board.show(el_enemy(c, 9), true);
      for (int c : {1, 4}) k.board.show(el_enemy(c, 8), true);
      for (int c : {2, 5}) k.board.show(el_enemy(c, 7), true);
      k.board.show(el_enemy(3, 5), true);
      k.board.set_picture_from(el_enemy(4, 3), *el_enemy_look(4, 5, LookKind::Wings));  // an attacker in flight
      k.board.show(el_enemy(4, 3), true);
      k.board.show(el_fire(3, 4), true);
      k.board.show(el_fire(2, 3), true);
      k.board.show(el_ship(3), true);
      break;
    case ComposeState::Phase4:
      k.Gam_Phase4_Set_Sprites();
      k.Vid_Display_Panel_Score(742, true);
      k.board.show(el_enemy(2, 3), true);
      k.board.show(el_fire(2, 3), true);
      k.board.show(el_ship(4), true);
      k.board.show(btn_fire_down, true);
      break;
    default:
      break;
  }
}

QImage compose(const SkinFile& skin, ComposeState state, std::optional<QSize> screen, ComposeReport* report) {
  Console k;
  for (ElementId id = 0; id < kElementCount; ++id) k.board.show(id, visible_at_creation(id));
  k.FormCreate();
  k.Vid_Display_Ctrl_Overlay();  // the overlays off, as a new player's console after Play shows them on
  const SkinRecord record{skin.folder.string() + "/", "", "Skin.ini", ""};
  SkinLoadRequest request{&record, screen.has_value(), screen ? screen->width() : 0, screen ? screen->height() : 0, {}};
  ConsoleWindowLook look;
  SkinLoadReport loaded;
  gfxinit(request, k.board, look, &loaded);
  set_state(k, state);
  if (report) *report = {loaded.problems, loaded.passed_limit};
  QImage frame(std::max(1, look.client_width), std::max(1, look.client_height), QImage::Format_ARGB32_Premultiplied);
  BoardPainter painter;
  painter.paint(frame, QRegion(frame.rect()), k.board, QColor::fromRgb(colour_to_rgb(look.colour)),
                look.backdrop_stretch);
  return frame.convertToFormat(QImage::Format_RGB32);
}

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

std::optional<ComposeState> compose_state_by_name(std::string_view name) {
  if (name == "off") return ComposeState::Off;
  if (name == "on") return ComposeState::On;
  if (name == "all") return ComposeState::All;
  if (name == "demo") return ComposeState::Demo;
  if (name == "phase4") return ComposeState::Phase4;
  return std::nullopt;
}

QImage compose_window(const SkinFile& skin, ComposeState state, ComposeReport* report) {
  return compose(skin, state, std::nullopt, report);
}

QImage compose_fullscreen(const SkinFile& skin, ComposeState state, QSize screen, ComposeReport* report) {
  return compose(skin, state, screen, report);
}

QImage key_as_checkerboard(const QImage& frame, QColor key) {
  return replace_key(frame, key, QImage::Format_RGB32,
                     [](int x, int y) { return ((x / 8 + y / 8) % 2) ? qRgb(204, 204, 204) : qRgb(153, 153, 153); });
}

QImage key_as_transparent(const QImage& frame, QColor key) {
  return replace_key(frame, key, QImage::Format_ARGB32, [](int, int) { return QRgb(0); });
}

}  // namespace vx::assets
