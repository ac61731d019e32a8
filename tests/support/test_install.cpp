#include "support/test_install.h"

#include <sstream>

#include "support/picture_writers.h"

namespace vx::test {

Box test_box(ElementId id) {
  const int image = id + 1;
  auto cell = [](int col, int row) { return Box{40 + (col - 1) * 32 + 1, 30 + (9 - row) * 20 + 1, 30, 18}; };
  switch (id) {
    case im_background: return {0, 0, kTestGameWidth, kTestGameHeight};
    case im_background_screen_top:
    case im_background_screen_on: return {40, 30, 160, 180};
    case btn_power_on:
    case btn_power_top: return {20, 230, 40, 20};
    case btn_select_down:
    case btn_select_top: return {70, 230, 40, 20};
    case btn_start_down:
    case btn_start_top: return {120, 230, 40, 20};
    case btn_joystick_placeholder:
    case btn_joystick_top: return {40, 265, 40, 40};
    case btn_fire_down:
    case btn_fire_top: return {170, 260, 40, 40};
    case btn_ctrlr_overlay_left: return {20, 265, 20, 40};
    case btn_ctrlr_overlay_right: return {80, 265, 20, 40};
    default: break;
  }
  if (image >= 18 && image <= 21) return {60 + (image - 18) * 30, 212, 20, 12};
  if (image >= 35 && image <= 79) return cell(1 + (image - 35) % 5, 9 - (image - 35) / 5);
  if (image >= 119 && image <= 158) {
    const Box c = cell(1 + (image - 119) % 5, 9 - (image - 119) / 5);
    return {c.left + 12, c.top + 4, 6, 10};
  }
  if (image >= 159 && image <= 163) return cell(image - 158, 1);
  return {0, 0, 30, 18};  // hidden picture sources
}

std::uint32_t test_colour(ElementId id, int skin) {
  std::uint32_t c = (static_cast<std::uint32_t>(id + 1) * 2654435761u + static_cast<std::uint32_t>(skin) * 40503u) &
                    0xFFFFFFu;
  c |= 0x202020u;  // never black, never the key colour
  return c == kTestKeyColour ? 0x404040u : c;
}

namespace {

std::string picture_name(ElementId id) { return std::string(element_name(id)) + ".png"; }

}  // namespace

void write_test_skin(const std::filesystem::path& data, int n, const std::string& fullscreen_keys) {
  const auto folder = data / "Graphics" / ("Skin" + std::to_string(n));
  std::ostringstream ini;
  ini << "[Common]\nGameWidth=" << kTestGameWidth << "\nGameHeight=" << kTestGameHeight << "\n";
  ini << "[Fullscreen]\n"
      << (fullscreen_keys.empty() ? "BackdropFile=Backdrop.png\nBackdropStretch=0\nBgColor=$00302010\n"
                                    "GameOffsetX=Center\nGameOffsetY=Center\nLogoFile=Logo.png\nLogoPosition=1\n"
                                  : fullscreen_keys)
      << "[Shaped]\nTranspColor=$00ff00ff\n";
  for (ElementId id = 0; id < kSkinElementCount; ++id) {
    const Box b = test_box(id);
    ini << "[Image" << id + 1 << "]\nFilename=" << picture_name(id) << "\nLeft=" << b.left << "\nTop=" << b.top
        << "\nWidth=" << b.width << "\nHeight=" << b.height << "\n";
    // Pictures with an alpha channel: fully opaque, except the body's corners,
    // which let the key colour through and so shape the window.
    Picture p = solid_picture(b.width, b.height, 0xFF000000u | test_colour(id, n), true);
    if (id == im_background)
      for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x)
          if ((x < 16 || x >= b.width - 16) && (y < 16 || y >= b.height - 16)) p.argb[y * b.width + x] = 0;
    write_file(folder / picture_name(id), encode_png(p));
  }
  write_text(folder / "Skin.ini", ini.str());
  write_file(folder / "Backdrop.png", encode_png(solid_picture(64, 48, 0xFF0000C0u)));
  write_file(folder / "Logo.png", encode_png(solid_picture(30, 20, 0xFFC0C000u, true)));
  write_file(folder / "SkinPreview.png", encode_png(solid_picture(100, 80, 0xFF000000u | test_colour(0, n))));
}

void write_test_install(const std::filesystem::path& data, int skins) {
  // The game menu's background: a black title bar with a white bar of the icon,
  // over black at alpha 204.
  Picture menu = solid_picture(256, 512, 0xCC000000u, true);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 256; ++x) menu.argb[y * 256 + x] = (y >= 9 && y < 12 && x >= 8 && x < 28) ? 0xFFFFFFFFu : 0xFF000000u;
  write_file(data / "Graphics/Forms/TForm1/btn_game_menu_background.png", encode_png(menu));

  std::ostringstream config;
  config << "[Common]\nSkins=" << skins << "\n";
  for (int n = 1; n <= skins; ++n) {
    config << "[Skin" << n << "]\nPath=Graphics\\Skin" << n << "\\\nName=Test Skin " << n
           << "\nSkinFile=Skin.ini\nSkinPreviewImg=SkinPreview.png\n";
    write_test_skin(data, n);
  }
  write_text(data / "Config.ini", config.str());
}

}  // namespace vx::test
