// worst-skin DIR: writes the costliest skin the program's limits let through,
// as skin 1 of the installation in DIR (over the one there): a console area of
// the largest size (4096 x 4096), its case picture that large too (all the
// pixels a skin's pictures may have), keyed by its bottom-left colour in a
// checkerboard of single pixels (the most intricate window shape there is) and
// shown again by an opaque element (a second converted copy), and every other
// element naming a file of its own that declares a picture far beyond the limits.
#include <cstdio>
#include <filesystem>
#include <string>

#include "skin/skin_description.h"
#include "support/hostile_pictures.h"
#include "support/picture_writers.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: worst-skin DIR\n");
    return 2;
  }
  namespace fs = std::filesystem;
  using namespace vx;
  const fs::path skin = fs::path(argv[1]) / "Graphics" / "Skin1";
  fs::remove_all(skin);
  fs::create_directories(skin);
  constexpr int kSide = 4096;
  static_assert(std::int64_t{kSide} * kSide <= kMaxCanvasPixels && std::int64_t{kSide} * kSide <= kMaxSkinPixels);
  Picture checker = test::solid_picture(kSide, kSide, 0xFF000000);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x)
      checker.argb[static_cast<std::size_t>(y) * kSide + x] = (x + y) % 2 ? 0xFFFF00FFu : 0xFF2040A0u;
  test::write_file(skin / "case.png", test::encode_png(checker));
  const test::Bytes beyond = test::png_declaring(6000, 6000);

  std::string ini = "[Common]\nGameWidth=" + std::to_string(kSide) + "\nGameHeight=" + std::to_string(kSide) +
                    "\n[Fullscreen]\nBackdropFile=nil\nLogoFile=nil\n[Shaped]\nTranspColor=$00FF00FF\n";
  for (int n = 1; n <= kSkinElementCount; ++n) {
    std::string file = "e" + std::to_string(n) + ".png", box = "0\nWidth=16\nHeight=16";
    if (n == 1) file = "case.png", box = "0\nWidth=" + std::to_string(kSide) + "\nHeight=" + std::to_string(kSide);
    if (n == 5) file = "case.png", box = "0\nWidth=1\nHeight=1";  // btn_power_top: opaque, shown at start
    if (file != "case.png") test::write_file(skin / file, beyond);
    ini += "[Image" + std::to_string(n) + "]\nFilename=" + file + "\nLeft=0\nTop=" + box + "\n";
  }
  test::write_text(skin / "Skin.ini", ini);
  return 0;
}
