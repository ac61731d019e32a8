#include "display/gfxinit.h"

#include <filesystem>
#include <map>
#include <string>
#include <system_error>
#include <utility>

#include "display/game_menu_layout.h"
#include "platform/data_folder.h"
#include "platform/ini_file.h"
#include "platform/message_box.h"
#include "platform/skin_files.h"
#include "platform/termination.h"

namespace vx {
namespace {

// One run of the loader: the skin's description and the pictures read so far.
struct Run {
  const SkinLoadRequest& request;
  const std::string& base;  // the skin's Path: every picture's folder
  std::string description;  // Path + SkinFile as configured, for messages
  SkinDescription skin;
  SkinPictures pictures;
  SkinLoadReport* report;

  void note(const std::string& what) {
    if (report) report->problems.push_back(what);
  }

  // Each name's file as found on the file system, and whether it is a regular
  // file: looked up once, though the loader asks for most names twice (and
  // read_skin_ahead before it).
  SkinFilesFound& found;
  const std::pair<std::filesystem::path, bool>& find(const std::string& name) {
    auto it = found.find(name);
    if (it == found.end()) {
      std::filesystem::file_status status;
      std::filesystem::path file = resolve_path(base + name, request.data_folder, &status);
      it = found.emplace(name, std::pair{std::move(file), std::filesystem::is_regular_file(status)}).first;
    }
    return it->second;
  }
  bool exists(const std::string& name) { return find(name).second; }

  // The picture of `name`, or null with one line on standard error when it does
  // not decode or passes the skin's limit.
  PictureRef decode(const std::string& name, std::string_view what) {
    std::string error;
    PictureRef picture = pictures.load(find(name).first, error);
    if (!picture) {
      say_line(base + name + ": " + error + "\n");
      note(std::string(what) + ": " + name + ": " + error);
    }
    if (report) report->passed_limit = pictures.passed_limit();
    return picture;
  }

  // Every picture the loader will ask for, in its order.
  std::vector<std::filesystem::path> files_ahead() {
    std::vector<std::filesystem::path> files;
    const auto ahead = [&](const std::string& name) {
      if (names_a_file(name) && exists(name)) files.push_back(find(name).first);
    };
    if (request.FullscreenMode) {
      ahead(skin.BackdropFile);
      ahead(skin.LogoFile);
    }
    for (const SkinImageKeys& keys : skin.images) ahead(keys.Filename);
    return files;
  }

  std::uint32_t colour(const char* section, const char* key, const std::string& text, const char* fallback) {
    if (auto value = parse_ini_int(text)) return static_cast<std::uint32_t>(*value);
    say_line(description + ": [" + section + "] " + key + " \"" + text + "\" is not a colour; " + fallback +
             " is used\n");
    return static_cast<std::uint32_t>(*parse_ini_int(fallback));
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
  const SkinDescription& skin = run.skin;
  // Backdrop.
  bool backdrop_loaded = false;
  if (names_a_file(skin.BackdropFile) && run.exists(skin.BackdropFile)) {
    if (PictureRef picture = run.decode(skin.BackdropFile, "[Fullscreen] BackdropFile")) {
      board.set_picture(im_backdrop, picture);
      window.backdrop_stretch = skin.BackdropStretch != 0;
      board.show(im_backdrop, true);
      backdrop_loaded = true;
    }
  }
  window.colour = run.colour("Fullscreen", "BgColor", skin.BgColor, "$00000000");
  window.colour_key = false;

  offset_x = console_offset(skin.GameOffsetX, request.screen_width, window.client_width);
  offset_y = console_offset(skin.GameOffsetY, request.screen_height, window.client_height);

  window.client_width = request.screen_width;
  window.client_height = request.screen_height;
  // The backdrop covers the client area and follows its size.
  if (backdrop_loaded) board.set_box(im_backdrop, 0, 0, window.client_width, window.client_height);

  // Logo, in a corner of the whole client area.
  if (names_a_file(skin.LogoFile) && run.exists(skin.LogoFile)) {
    if (PictureRef picture = run.decode(skin.LogoFile, "[Fullscreen] LogoFile")) {
      board.set_picture(im_backdrop_logo, picture);
      board.show(im_backdrop_logo, true);
      const Sprite& s = board[im_backdrop_logo];
      int left = s.left, top = s.top;
      const int right = window.client_width - picture->width, bottom = window.client_height - picture->height;
      switch (skin.LogoPosition) {
        case 0:
          left = 0, top = 0;
          break;
        case 1:
          left = right, top = 0;
          break;
        case 2:
          left = 0, top = bottom;
          break;
        case 3:
          left = right, top = bottom;
          break;
        default:
          break;  // where it was
      }
      board.set_box(im_backdrop_logo, left, top, picture->width, picture->height);
    }
  }
}

}  // namespace

SkinAhead read_skin_ahead(const SkinLoadRequest& request) {
  SkinAhead ahead;  // no skin chosen: no description, "not found", as the load would say
  if (!request.skin) return ahead;
  ahead.description = read_skin_description_file(
      resolve_path(request.skin->Path + request.skin->SkinFile, request.data_folder), ahead.fault);
  if (!ahead.description) return ahead;
  Run run{request, request.skin->Path, {}, *ahead.description, {}, nullptr, ahead.found};
  run.pictures.prefetch(run.files_ahead(), request.decode_threads);
  ahead.pictures = std::move(run.pictures);
  return ahead;
}

bool gfxinit(const SkinLoadRequest& request, SpriteBoard& board, ConsoleWindowLook& window, SkinLoadReport* report) {
  static const SkinRecord kNoSkin;
  const SkinRecord& skin = request.skin ? *request.skin : kNoSkin;
  SkinFilesFound found_here;
  Run run{request, skin.Path, skin.Path + skin.SkinFile, {}, {}, report, request.ahead ? request.ahead->found : found_here};

  std::string fault = "not found";
  std::optional<SkinDescription> description;
  if (request.ahead) {
    description = request.ahead->description;
    fault = request.ahead->fault;
  } else if (request.skin) {
    description = read_skin_description_file(resolve_path(run.description, request.data_folder), fault);
  }
  if (!description) {
    show_error_box("Skin configuration file (" + run.description + ") " + fault + ". Please reinstall the skin.");
    request_termination(Ending::Fault);
    show_game_menu_button(request, board);
    return false;
  }
  run.skin = std::move(*description);

  window.client_height = run.skin.GameHeight;
  window.client_width = run.skin.GameWidth;
  window.game_width = window.client_width;
  window.game_height = window.client_height;

  // Every picture the loader will ask for, decoded ahead on every core (or taken
  // over from read_skin_ahead, with its threads: what load() gives stays what
  // this run's files give, whatever was decoded ahead).
  if (request.ahead)
    run.pictures = std::move(request.ahead->pictures);
  else
    run.pictures.prefetch(run.files_ahead(), request.decode_threads);

  int offset_x = 0, offset_y = 0;
  if (request.FullscreenMode) {
    load_fullscreen(run, board, window, offset_x, offset_y);
  } else {
    window.colour = run.colour("Shaped", "TranspColor", run.skin.TranspColor, "$00ff00ff");
    window.colour_key = true;
    board.show(im_backdrop, false);
    board.show(im_backdrop_logo, false);
  }

  for (ElementId id = 0; id < kSkinElementCount; ++id) {
    const SkinImageKeys& keys = run.skin.images[id];
    if (names_a_file(keys.Filename)) {
      const bool exists = run.exists(keys.Filename);
      if (!exists) run.note(std::string(element_name(id)) + ": " + keys.Filename + " not found");
      PictureRef picture = exists ? run.decode(keys.Filename, element_name(id)) : nullptr;
      board.set_picture(id, picture ? picture : placeholder_picture());
    }
    // Within the limits the sums cannot overflow: |Left| <= 8192, |offset| < 2^30.
    board.set_box(id, keys.Left + offset_x, keys.Top + offset_y, keys.Width, keys.Height);
  }

  show_game_menu_button(request, board);
  return true;
}

}  // namespace vx
