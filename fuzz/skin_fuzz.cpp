// Fuzzes the whole skin loader with an untrusted skin folder: a Skin.ini and the
// pictures it names, run windowed and then full screen (a mode switch), as the
// desktop program loads them. The input is the description, then each picture
// after a line "--- NAME" (NAME of letters, digits, '.', '_' or '-'). Whatever the
// skin says, the console area and every box stay within the skin's limits, and
// the pictures of one run together within the skin's pixels.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "display/gfxinit.h"
#include "fuzz_folder.h"
#include "platform/message_box.h"
#include "platform/termination.h"
#include "skin/skin_description.h"

namespace {

namespace fs = std::filesystem;

void write(const fs::path& file, std::string_view bytes) {
  if (FILE* f = std::fopen(file.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
}

// Writes the skin folder of one input: Skin.ini, then the pictures.
void write_skin(const fs::path& folder, std::string_view input) {
  std::error_code ec;
  fs::remove_all(folder, ec);
  fs::create_directory(folder, ec);
  constexpr std::string_view kMark = "\n--- ";
  std::size_t end = input.find(kMark);
  write(folder / "Skin.ini", input.substr(0, end));
  while (end != std::string_view::npos) {
    const std::size_t name_at = end + kMark.size(), line_end = input.find('\n', name_at);
    if (line_end == std::string_view::npos) return;
    const std::string_view name = input.substr(name_at, line_end - name_at);
    end = input.find(kMark, line_end);
    const bool plain = !name.empty() && name.size() <= 32 && name != "." && name != ".." &&
                       name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._-") ==
                           std::string_view::npos;
    if (plain)
      write(folder / name, input.substr(line_end + 1, end == std::string_view::npos ? end : end - line_end - 1));
  }
}

void check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool quiet = (vx::set_error_box([](std::string_view) {}), true);
  (void)quiet;
  write_skin(fuzz_folder() / "skin", std::string_view(reinterpret_cast<const char*>(data), size));
  const vx::SkinRecord record{"skin\\", "Fuzzed", "Skin.ini", "SkinPreview.png"};
  vx::SpriteBoard board;
  for (const bool fullscreen : {false, true}) {
    vx::set_termination_hook({});
    vx::ConsoleWindowLook look;
    const bool loaded = vx::gfxinit({&record, fullscreen, 1920, 1080, fuzz_folder()}, board, look);
    check(loaded != vx::termination_requested());
    if (!loaded) return 0;
    std::string limit;
    check(vx::canvas_allowed(look.game_width, look.game_height, limit) && look.game_width >= 1 &&
          look.game_height >= 1);
    std::set<const vx::Picture*> pictures;
    std::int64_t pixels = 0;
    // Every box lies far inside what the painter's integer arithmetic can take.
    constexpr int kFar = 1 << 20;
    for (vx::ElementId id = 0; id < vx::kSkinElementCount + 2; ++id) {
      const vx::Sprite& s = board[id];
      check(s.width >= 0 && s.width <= kFar && s.height >= 0 && s.height <= kFar);
      check(s.left >= -kFar && s.left <= kFar && s.top >= -kFar && s.top <= kFar);
      if (s.picture && s.picture != vx::placeholder_picture() && pictures.insert(s.picture.get()).second)
        pixels += static_cast<std::int64_t>(s.picture->width) * s.picture->height;
    }
    if (!fullscreen) check(pixels <= vx::kMaxSkinPixels);  // the board holds only this run's pictures yet
  }
  return 0;
}
