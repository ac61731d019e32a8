// The skin loader (unit gfxinit): reads the chosen skin's description file, gives
// each of the console's 173 picture elements its picture and its box, sizes the
// console window and, by FullscreenMode, either keys the window by the skin's
// transparent colour or fills the screen around the console with the backdrop,
// BgColor and the logo. Toolkit-free: the window applies the look it returns. The
// description and the pictures are read within the skin's limits
// (skin/skin_description.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/sprite_board.h"
#include "platform/skin_files.h"
#include "skin/skin_list.h"

namespace vx {

// What the loader sets on the console window itself.
struct ConsoleWindowLook {
  int client_width = 0, client_height = 0;
  std::uint32_t colour = 0;  // the window's colour, 0x00BBGGRR as skin files write it
  bool colour_key = false;   // windowed: every pixel of exactly `colour` is see-through
  bool backdrop_stretch = false;
  int game_width = 0, game_height = 0;  // the console area the skin describes
};

struct SkinAhead;

struct SkinLoadRequest {
  const SkinRecord* skin = nullptr;  // SkinTable[SkinIndex]; null when no skin is chosen
  bool FullscreenMode = false;
  int screen_width = 0, screen_height = 0;
  std::filesystem::path data_folder;  // the program's folder; skin paths are relative to it
  // Threads that decode the pictures beside the loader (0: the loader alone);
  // what the loader shows and says is the same either way.
  int decode_threads = picture_decode_threads();
  // The skin's description read and its pictures decoding ahead (read_skin_ahead),
  // taken over by the load; null: the load reads and starts them.
  SkinAhead* ahead = nullptr;
};

// A skin's file names as the loader found them: the file and whether it is a
// regular file.
using SkinFilesFound = std::map<std::string, std::pair<std::filesystem::path, bool>>;

// What read_skin_ahead read for one load of a skin: its description (or why it
// cannot be read), its files as found, and its pictures, decoding.
struct SkinAhead {
  std::optional<SkinDescription> description;
  std::string fault = "not found";
  SkinFilesFound found;
  SkinPictures pictures;
};

// What went wrong with a skin's pictures, for a tool that reports it: each
// picture that is missing or does not decode ("<element>: <file> not found",
// "<element>: <file>: <why>"), and whether the pictures together passed the limit.
struct SkinLoadReport {
  std::vector<std::string> problems;
  bool passed_limit = false;
};

// 0x00BBGGRR to 0xRRGGBB.
constexpr std::uint32_t colour_to_rgb(std::uint32_t colour) {
  return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

// Runs the loader. When the description file is missing it shows "Skin
// configuration file (<Path><SkinFile>) not found. Please reinstall the skin.";
// when it cannot be read, is not a skin description or passes a limit, the same
// box says that instead of "not found". Either way it requests termination as a
// fault, performs only its last step (the game-menu button) and returns false.
// A picture that cannot be decoded, or would take the skin past its pixels, gets
// the red square and one line on standard error naming the file.
// With `report`, the pictures' problems also go there (a missing one included).
bool gfxinit(const SkinLoadRequest& request, SpriteBoard& board, ConsoleWindowLook& window,
             SkinLoadReport* report = nullptr);
// Reads the description the load of `request` will use and starts decoding the
// pictures it will ask for, saying nothing (a skin that cannot be read starts
// nothing); gfxinit takes them over through SkinLoadRequest::ahead and says what
// there is to say, as if it had read them itself.
SkinAhead read_skin_ahead(const SkinLoadRequest& request);

}  // namespace vx
