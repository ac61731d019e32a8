// The web page's console: the same host, console and skin reader as the desktop
// program, compiled to WebAssembly. The page hands in what the browser has (the
// text of Config.ini and Skin.ini, each picture decoded to RGBA, the time from
// performance.now(), keys, pointers); this side loads the skin onto the board,
// runs the console and composes the window's picture in the drawing order with
// the colour key see-through, exactly as the desktop window does. After every
// call the page reads the part of the picture that changed, the sounds to play
// and the time until the next tick. Plain C exports: no embind, no toolkit.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "display/form_design.h"
#include "display/mouse_map.h"
#include "host/console_host.h"
#include "script/script_commands.h"
#include "skin/drawing_order.h"
#include "skin/ini_text.h"
#include "skin/skin_description.h"
#include "skin/skin_list.h"

namespace vx {
namespace {

// What the page asks the console to do with its one sound channel, in order.
constexpr int kSoundSilence = 100, kSoundPause = 101, kSoundResume = 102;

class PageSound : public SoundSink {
 public:
  void Snd_Play(Effect effect) override { queue.push_back(static_cast<int>(effect)); }
  void Snd_Silence() override { queue.push_back(kSoundSilence); }
  void pause(bool paused) override { queue.push_back(paused ? kSoundPause : kSoundResume); }
  std::vector<int> queue;
};

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool empty() const { return right <= left || bottom <= top; }
  void add(const Box& b) {
    if (b.empty()) return;
    if (empty()) {
      *this = b;
      return;
    }
    left = std::min(left, b.left), top = std::min(top, b.top);
    right = std::max(right, b.right), bottom = std::max(bottom, b.bottom);
  }
  Box clipped(int width, int height) const {
    return {std::max(left, 0), std::max(top, 0), std::min(right, width), std::min(bottom, height)};
  }
};

Box box_of(const Sprite& s) { return {s.left, s.top, s.left + s.width, s.top + s.height}; }

// 0xAARRGGBB to the canvas's byte order R, G, B, A (little-endian words).
std::uint32_t to_canvas(std::uint32_t argb) {
  return (argb & 0xFF00FF00u) | (argb >> 16 & 0xFFu) | (argb & 0xFFu) << 16;
}

std::uint32_t blend(std::uint32_t under, std::uint32_t over) {  // both 0xAARRGGBB, under opaque
  const std::uint32_t a = over >> 24;
  if (a == 255) return over;
  if (a == 0) return under;
  auto mix = [&](int shift) {
    const std::uint32_t o = over >> shift & 0xFF, u = under >> shift & 0xFF;
    return ((o * a + u * (255 - a) + 127) / 255) << shift;
  };
  return 0xFF000000u | mix(16) | mix(8) | mix(0);
}

struct Page {
  ConsoleHost host{[this] { return now; }};
  PageSound sound;
  std::int64_t now = 0;  // the wall clock: milliseconds since the page made the console
  double origin = 0;     // performance.now() then
  SkinList skins;
  std::optional<SkinDescription> skin;
  std::map<std::string, PictureRef> pictures;  // by file name as the skin writes it
  std::string error, text;
  int width = 0, height = 0;
  std::uint32_t key = 0xFFFF00FFu;  // the window's colour, 0xAARRGGBB: see-through
  std::vector<std::uint32_t> frame;
  std::array<Box, kElementCount> painted{};
  Box dirty;  // what the last call repainted
  std::array<int, 4> dirty_out{};

  void compose(const Box& area) {
    std::fill(dirty_out.begin(), dirty_out.end(), 0);
    const Box r = area.clipped(width, height);
    if (r.empty()) return;
    for (int y = r.top; y < r.bottom; ++y) std::fill(&frame[y * width + r.left], &frame[y * width + r.right], key);
    const SpriteBoard& board = host.console().board;
    for (ElementId id : drawing_order()) {
      const Sprite& s = board[id];
      if (!s.visible || !s.picture || s.width <= 0 || s.height <= 0) continue;
      const Picture& p = *s.picture;
      // The picture at its own size from the box's corner, clipped to the box.
      Box b = box_of(s);
      b.right = std::min(b.right, s.left + p.width), b.bottom = std::min(b.bottom, s.top + p.height);
      b = {std::max(b.left, r.left), std::max(b.top, r.top), std::min(b.right, r.right), std::min(b.bottom, r.bottom)};
      if (b.empty()) continue;
      const bool keyed = s.transparent && !p.has_alpha && p.height > 0;
      const std::uint32_t picture_key = keyed ? p.pixel(0, p.height - 1) | 0xFF000000u : 0;
      for (int y = b.top; y < b.bottom; ++y) {
        std::uint32_t* row = &frame[y * width];
        for (int x = b.left; x < b.right; ++x) {
          const std::uint32_t src = p.pixel(x - s.left, y - s.top);
          if (keyed && (src | 0xFF000000u) == picture_key) continue;
          row[x] = p.has_alpha ? blend(row[x], src) : src | 0xFF000000u;
        }
      }
    }
    // Pixels of exactly the window's colour are see-through, as the window's shape.
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        std::uint32_t& px = frame[y * width + x];
        px = px == key ? 0 : to_canvas(px);
      }
    dirty_out = {r.left, r.top, r.right - r.left, r.bottom - r.top};
  }

  // Repaints what a report names (the old and the new box of each) and returns
  // the milliseconds to the next tick, or -1 when none is due.
  int show(const HostReport& report) {
    Box area;
    const SpriteBoard& board = host.console().board;
    for (ElementId id = 0; id < kElementCount; ++id) {
      if (!report.changed.test(id)) continue;
      area.add(painted[id]);
      painted[id] = box_of(board[id]);
      area.add(painted[id]);
    }
    compose(area);
    if (!report.next_tick) return -1;
    return static_cast<int>(std::min<std::int64_t>(*report.next_tick, 2147483647));
  }

  int repaint_all() {
    host.report();
    for (ElementId id = 0; id < kElementCount; ++id) painted[id] = box_of(host.console().board[id]);
    compose({0, 0, width, height});
    return -1;
  }
};

Page* page = nullptr;

int event(double now_ms, const std::function<HostReport(ConsoleHost&)>& what) {
  page->sound.queue.clear();
  page->now = std::max(page->now, static_cast<std::int64_t>(now_ms - page->origin));
  return page->show(what(page->host));
}

}  // namespace
}  // namespace vx

using namespace vx;

extern "C" {

// The console as the window creates it: the form's visible elements, the
// sprite tables, the generator (seeded by `seed` unless `seeded` is 0), the
// default keys and the controller overlays.
EMSCRIPTEN_KEEPALIVE void vx_create(std::uint32_t seed, int seeded, double now_ms) {
  delete page;
  page = new Page;
  page->origin = now_ms;
  page->host.set_sound(&page->sound);
  Console& k = page->host.console();
  for (ElementId id = 0; id < kElementCount; ++id) k.board.show(id, visible_at_creation(id));
  k.FormCreate();
  if (seeded) k.random.seed(seed);
  k.assign_keys(kDefaultKeyIndex);
  k.CtrlrOverlay = true;
  k.Vid_Display_Ctrl_Overlay();
}

// Config.ini's skin list: the number of skins; vx_skin_field gives each one's
// folder (0), name (1) and description file (2).
EMSCRIPTEN_KEEPALIVE int vx_read_config(const char* text) {
  IniText ini;
  ini.parse(text);
  page->skins = read_skin_list(ini);
  return page->skins.SkinCount;
}

EMSCRIPTEN_KEEPALIVE const char* vx_skin_field(int index, int field) {
  const SkinRecord* r = page->skins.at(index);
  if (!r) return "";
  return (field == 0 ? r->Path : field == 1 ? r->Name : r->SkinFile).c_str();
}

// Reads a skin description; 0 with vx_error() naming the fault (to follow the file's name).
EMSCRIPTEN_KEEPALIVE int vx_describe_skin(const char* text) {
  page->error.clear();
  page->pictures.clear();
  page->skin = read_skin_description(text, page->error);
  return page->skin ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* vx_error() { return page->error.c_str(); }

// The picture file of skin element `id` (0..172), or "" when it names none.
EMSCRIPTEN_KEEPALIVE const char* vx_skin_picture_file(int id) {
  if (!page->skin || id < 0 || id >= kSkinElementCount) return "";
  const std::string& name = page->skin->images[id].Filename;
  return names_a_file(name) ? name.c_str() : "";
}

// A picture the browser decoded: `rgba` holds width * height pixels, R, G, B, A.
EMSCRIPTEN_KEEPALIVE void vx_add_picture(const char* name, int width, int height, const std::uint8_t* rgba,
                                         int has_alpha) {
  auto p = std::make_shared<Picture>();
  p->width = width, p->height = height, p->has_alpha = has_alpha != 0, p->label = name;
  p->argb.resize(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < p->argb.size(); ++i) {
    const std::uint8_t* c = rgba + i * 4;
    p->argb[i] = std::uint32_t{c[3]} << 24 | std::uint32_t{c[0]} << 16 | std::uint32_t{c[1]} << 8 | c[2];
  }
  page->pictures[name] = std::move(p);
}

// The windowed skin on the board: every element its picture (a missing one the
// red square) and its box, the window's size and colour key; the whole window
// composed. Returns 0 when no description was read.
EMSCRIPTEN_KEEPALIVE int vx_apply_skin() {
  if (!page->skin) return 0;
  const SkinDescription& d = *page->skin;
  SpriteBoard& board = page->host.console().board;
  board.show(im_backdrop, false);
  board.show(im_backdrop_logo, false);
  for (ElementId id = 0; id < kSkinElementCount; ++id) {
    const SkinImageKeys& keys = d.images[id];
    if (names_a_file(keys.Filename)) {
      const auto it = page->pictures.find(keys.Filename);
      board.set_picture(id, it != page->pictures.end() ? it->second : placeholder_picture());
    }
    board.set_box(id, keys.Left, keys.Top, keys.Width, keys.Height);
  }
  board.show(btn_game_menu_top, false);
  board.show(btn_game_menu_background, false);
  page->pictures.clear();  // the board holds what it uses
  const std::uint32_t colour = static_cast<std::uint32_t>(parse_ini_int(d.TranspColor).value_or(0x00ff00ff));
  page->key = 0xFF000000u | (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
  page->width = d.GameWidth, page->height = d.GameHeight;
  page->frame.assign(static_cast<std::size_t>(page->width) * page->height, 0);
  page->repaint_all();
  return 1;
}

EMSCRIPTEN_KEEPALIVE int vx_width() { return page->width; }
EMSCRIPTEN_KEEPALIVE int vx_height() { return page->height; }
EMSCRIPTEN_KEEPALIVE const std::uint32_t* vx_frame() { return page->frame.data(); }
// x, y, width, height of what the last call repainted (width 0: nothing).
EMSCRIPTEN_KEEPALIVE const int* vx_dirty() { return page->dirty_out.data(); }
// What the last call asks of the sound channel: effects 0..13, 100 silence, 101 pause, 102 go on.
EMSCRIPTEN_KEEPALIVE int vx_sound_count() { return static_cast<int>(page->sound.queue.size()); }
EMSCRIPTEN_KEEPALIVE const int* vx_sounds() { return page->sound.queue.data(); }

// Every event returns the milliseconds until the next tick, or -1 for none.
EMSCRIPTEN_KEEPALIVE int vx_start_play(double now) {
  return event(now, [](ConsoleHost& h) { return h.start_play(); });
}
EMSCRIPTEN_KEEPALIVE int vx_tick(double now) {
  return event(now, [](ConsoleHost& h) { return h.clock_reached(); });
}
EMSCRIPTEN_KEEPALIVE int vx_action(int action, int down, double now) {
  if (action < ActPower || action > kActionCount) return event(now, [](ConsoleHost& h) { return h.report(); });
  return event(now, [&](ConsoleHost& h) { return h.action(static_cast<Action>(action), down != 0); });
}
// A key by its Windows virtual-key code: the action assigned to it, if any.
EMSCRIPTEN_KEEPALIVE int vx_key(int code, int down, double now) {
  return event(now, [&](ConsoleHost& h) { return h.key(code, down != 0); });
}
EMSCRIPTEN_KEEPALIVE int vx_set_paused(int paused, double now) {
  return event(now, [&](ConsoleHost& h) { return h.set_paused(paused != 0); });
}
EMSCRIPTEN_KEEPALIVE int vx_set_overlays(int on, double now) {
  return event(now, [&](ConsoleHost& h) { return h.set_controller_overlays(on != 0); });
}
// The six key indices (1..44) of power, select, start, left, right and fire.
EMSCRIPTEN_KEEPALIVE int vx_assign_keys(int power, int select, int start, int left, int right, int fire, double now) {
  const std::array<int, kActionCount + 1> keys{0, power, select, start, left, right, fire};
  return event(now, [&](ConsoleHost& h) { return h.assign_keys(keys); });
}

// The action of the pictured button at (x, y) in the console's pixels, 0 for none.
EMSCRIPTEN_KEEPALIVE int vx_button_at(int x, int y) {
  const auto id = hit_test(page->host.console().board, x, y);
  if (!id || mouse_target(*id).role != MouseRole::Control) return 0;
  return mouse_target(*id).action;
}
// The hint of what lies at (x, y), "" for none.
EMSCRIPTEN_KEEPALIVE const char* vx_hint_at(int x, int y) {
  const auto id = hit_test(page->host.console().board, x, y);
  return id ? page->host.console().board[*id].hint.c_str() : "";
}

// The assignable keys 1..44: the name the hints use and the Windows key code.
EMSCRIPTEN_KEEPALIVE const char* vx_key_name(int index) {
  return index >= 1 && index <= 44 ? KeyName[index].name.data() : "";  // names are literals
}
EMSCRIPTEN_KEEPALIVE int vx_key_code(int index) { return index >= 1 && index <= 44 ? KeyName[index].code : 0; }
EMSCRIPTEN_KEEPALIVE int vx_default_key(int action) {
  return action >= ActPower && action <= kActionCount ? kDefaultKeyIndex[action] : 0;
}
EMSCRIPTEN_KEEPALIVE const char* vx_action_name(int action) {
  static std::string name;
  name = action >= ActPower && action <= kActionCount ? std::string(kActions[action].name) : "";
  return name.c_str();
}

// The fourteen effects' names, which are also their sample files' (Sound/<name>.wav).
EMSCRIPTEN_KEEPALIVE const char* vx_effect_name(int effect) {
  return effect >= 0 && effect < kEffectCount ? kEffectNames[effect].data() : "";  // literals
}

// The console's state as the scripts' `dump` prints it (one JSON line).
EMSCRIPTEN_KEEPALIVE const char* vx_dump() {
  std::ostringstream out;
  page->text = ScriptCommands(page->host.console(), out).dump();
  return page->text.c_str();
}

}  // extern "C"
