#include "display/gfxinit.h"

#include <cstdio>
#include <map>
#include <string>

#include "display/game_menu_layout.h"
#include "platform/data_folder.h"
#include "platform/ini_file.h"
#include "platform/message_box.h"
#include "platform/picture_file.h"
#include "platform/termination.h"

namespace vx {
namespace {

bool names_a_file(const std::string& name) { return !name.empty() && name != "nil"; }

// One run of the loader: the open description and the pictures read so far (an
// element that names the same file as another shares its picture).
struct Run {
  const SkinLoadRequest& request;
  const std::string& base;  // the skin's Path: every picture's folder
  std::string description;  // Path + SkinFile as configured, for messages
  IniFile ini;
  std::map<std::filesystem::path, PictureRef> loaded;

  bool exists(const std::string& name) const { return configured_file_exists(base + name, request.data_folder); }

  // The picture of `name`, or null with one line on standard error when it does
  // not decode.
  PictureRef decode(const std::string& name) {
    const auto path = resolve_path(base + name, request.data_folder);
    if (auto it = loaded.find(path); it != loaded.end()) return it->second;
    std::string error;
    PictureRef picture = decode_picture_file(path, error);
    if (!picture) std::fprintf(stderr, "%s%s: %s\n", base.c_str(), name.c_str(), error.c_str());
    return loaded[path] = picture;
  }

  std::uint32_t colour(const char* section, const char* key, const char* fallback) {
    const std::string text = ini.read_text(section, key, fallback);
    if (auto value = parse_ini_int(text)) return static_cast<std::uint32_t>(*value);
    std::fprintf(stderr, "%s: [%s] %s \"%s\" is not a colour; %s is used\n", description.c_str(), section, key,
                 text.c_str(), fallback);
    return static_cast<std::uint32_t>(*parse_ini_int(fallback));
  }

  // GameOffsetX/Y: a non-zero integer is the offset; anything else centres.
  int offset(const char* key, int screen, int area) {
    const auto value = parse_ini_int(ini.read_text("Fullscreen", key, "Center"));
    return value && *value != 0 ? *value : centred_offset(screen, area);
  }
};

void show_game_menu_button(const SkinLoadRequest& request, SpriteBoard& board) {
  board.show(btn_game_menu_top, request.FullscreenMode);
  board.show(btn_game_menu_background, request.FullscreenMode);
  const Sprite& bg = board[btn_game_menu_background];
  board.set_box(btn_game_menu_background, bg.left, bg.top, kGameMenuButtonWidth, kGameMenuButtonHeight);
}

void load_fullscreen(Run& run, SpriteBoard& board, ConsoleWindowLook& window, int& offset_x, int& offset_y) {
  const SkinLoadRequest& request = run.request;
  // Backdrop.
  const std::string backdrop = run.ini.read_text("Fullscreen", "BackdropFile", "nil");
  bool backdrop_loaded = false;
  if (names_a_file(backdrop) && run.exists(backdrop)) {
    if (PictureRef picture = run.decode(backdrop)) {
      board.set_picture(im_backdrop, picture);
      window.backdrop_stretch = run.ini.read_int("Fullscreen", "BackdropStretch", 0) != 0;
      board.show(im_backdrop, true);
      backdrop_loaded = true;
    }
  }
  window.colour = run.colour("Fullscreen", "BgColor", "$00000000");
  window.colour_key = false;

  offset_x = run.offset("GameOffsetX", request.screen_width, window.client_width);
  offset_y = run.offset("GameOffsetY", request.screen_height, window.client_height);

  window.client_width = request.screen_width;
  window.client_height = request.screen_height;
  // The backdrop covers the client area and follows its size.
  if (backdrop_loaded) board.set_box(im_backdrop, 0, 0, window.client_width, window.client_height);

  // Logo, in a corner of the whole client area.
  const std::string logo = run.ini.read_text("Fullscreen", "LogoFile", "nil");
  if (names_a_file(logo) && run.exists(logo)) {
    if (PictureRef picture = run.decode(logo)) {
      board.set_picture(im_backdrop_logo, picture);
      board.show(im_backdrop_logo, true);
      const Sprite& s = board[im_backdrop_logo];
      int left = s.left, top = s.top;
      const int right = window.client_width - picture->width, bottom = window.client_height - picture->height;
      switch (run.ini.read_int("Fullscreen", "LogoPosition", 1)) {
        case 0: left = 0, top = 0; break;
        case 1: left = right, top = 0; break;
        case 2: left = 0, top = bottom; break;
        case 3: left = right, top = bottom; break;
        default: break;  // where it was
      }
      board.set_box(im_backdrop_logo, left, top, picture->width, picture->height);
    }
  }
}

}  // namespace

bool gfxinit(const SkinLoadRequest& request, SpriteBoard& board, ConsoleWindowLook& window) {
  static const SkinRecord kNoSkin;
  const SkinRecord& skin = request.skin ? *request.skin : kNoSkin;
  Run run{request, skin.Path, skin.Path + skin.SkinFile, {}, {}};

  if (!configured_file_exists(run.description, request.data_folder) ||
      !run.ini.load(resolve_path(run.description, request.data_folder))) {
    show_error_box("Skin configuration file (" + run.description + ") not found. Please reinstall the skin.");
    request_termination();
    show_game_menu_button(request, board);
    return false;
  }

  window.client_height = run.ini.read_int("Common", "GameHeight", 747);
  window.client_width = run.ini.read_int("Common", "GameWidth", 528);
  window.game_width = window.client_width;
  window.game_height = window.client_height;

  int offset_x = 0, offset_y = 0;
  if (request.FullscreenMode) {
    load_fullscreen(run, board, window, offset_x, offset_y);
  } else {
    window.colour = run.colour("Shaped", "TranspColor", "$00ff00ff");
    window.colour_key = true;
    board.show(im_backdrop, false);
    board.show(im_backdrop_logo, false);
  }

  for (int n = 1; n <= kSkinElementCount; ++n) {
    const ElementId id = n - 1;
    const std::string section = "Image" + std::to_string(n);
    const std::string file = run.ini.read_text(section, "Filename", "");
    if (names_a_file(file)) {
      PictureRef picture = run.exists(file) ? run.decode(file) : nullptr;
      board.set_picture(id, picture ? picture : placeholder_picture());
    }
    const int height = run.ini.read_int(section, "Height", 0);
    const int left = run.ini.read_int(section, "Left", 0) + offset_x;
    const int top = run.ini.read_int(section, "Top", 0) + offset_y;
    const int width = run.ini.read_int(section, "Width", 0);
    board.set_box(id, left, top, width, height);
  }

  show_game_menu_button(request, board);
  return true;
}

}  // namespace vx
