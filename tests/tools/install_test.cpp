// The installation data as the program's loaders will find it: Config.ini, both
// skins' Skin.ini and pictures, the previews, backdrops and logos, the manual's
// pages and the pictures of the forms and the game menu.
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <array>
#include <cstdio>
#include <set>

#include "asset_files.h"
#include "game/console_state.h"
#include "skin/elements.h"

namespace vx::assets::test {
namespace {

struct Box {
  int left, top, width, height;
  bool overlaps(const Box& o) const {
    return left < o.left + o.width && o.left < left + width && top < o.top + o.height && o.top < top + height;
  }
};

// One skin as its description file gives it.
struct Skin {
  std::filesystem::path folder;
  std::unique_ptr<CSimpleIniA> ini;
  int width = 0, height = 0;

  explicit Skin(const std::filesystem::path& f) : folder(f), ini(load_ini(f / "Skin.ini")) {
    if (ini) {
      width = static_cast<int>(ini->GetLongValue("Common", "GameWidth", 0));
      height = static_cast<int>(ini->GetLongValue("Common", "GameHeight", 0));
    }
  }
  std::string section(ElementId id) const { return "Image" + std::to_string(id + 1); }
  Box box(ElementId id) const {
    const std::string s = section(id);
    return {static_cast<int>(ini->GetLongValue(s.c_str(), "Left", -1)),
            static_cast<int>(ini->GetLongValue(s.c_str(), "Top", -1)),
            static_cast<int>(ini->GetLongValue(s.c_str(), "Width", -1)),
            static_cast<int>(ini->GetLongValue(s.c_str(), "Height", -1))};
  }
  std::filesystem::path file(ElementId id) const {
    return windows_path(folder, ini->GetValue(section(id).c_str(), "Filename", ""));
  }
};

std::vector<Skin> skins() {
  std::vector<Skin> out;
  for (const auto& f : skin_folders()) out.emplace_back(f);
  return out;
}

std::string name(ElementId id) { return std::string(element_name(id)); }

TEST(ConfigIni, ListsBothSkinsAndTheManualWithWindowsPaths) {
  const auto ini = load_ini(data_dir() / "Config.ini");
  ASSERT_TRUE(ini) << "Config.ini missing from " << data_dir();
  EXPECT_EQ(ini->GetLongValue("Common", "Skins", 0), 2);
  std::set<std::string> names;
  for (const char* section : {"Skin1", "Skin2"}) {
    const std::string path = ini->GetValue(section, "Path", "");
    EXPECT_EQ(path, std::string("Graphics\\") + section + "\\");
    const std::string skin_name = ini->GetValue(section, "Name", "");
    EXPECT_FALSE(skin_name.empty());
    names.insert(skin_name);
    const auto folder = windows_path(data_dir(), path);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / ini->GetValue(section, "SkinFile", "")));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / ini->GetValue(section, "SkinPreviewImg", "")));
  }
  EXPECT_EQ(names.size(), 2u) << "the launcher's list needs two different names";
  EXPECT_EQ(std::string(ini->GetValue("Manual", "ManualDir", "")), "Graphics\\Manual\\");
  EXPECT_EQ(ini->GetLongValue("Manual", "ManualHeight", 0), 675);
  EXPECT_EQ(ini->GetLongValue("Manual", "ManualWidth", 0), 475);
}

TEST(SkinIni, HasEveryKeyOfEveryElement) {
  for (const Skin& s : skins()) {
    ASSERT_TRUE(s.ini) << s.folder;
    EXPECT_GT(s.width, 0);
    EXPECT_GT(s.height, 0);
    for (const auto& [section, key] :
         std::vector<std::pair<const char*, const char*>>{{"Fullscreen", "BackdropFile"},
                                                          {"Fullscreen", "BackdropStretch"},
                                                          {"Fullscreen", "BgColor"},
                                                          {"Fullscreen", "GameOffsetX"},
                                                          {"Fullscreen", "GameOffsetY"},
                                                          {"Fullscreen", "LogoFile"},
                                                          {"Fullscreen", "LogoPosition"},
                                                          {"Shaped", "TranspColor"}})
      EXPECT_TRUE(s.ini->GetValue(section, key, nullptr)) << s.folder << " [" << section << "] " << key;
    for (ElementId id = 0; id < kSkinElementCount; ++id)
      for (const char* key : {"Filename", "Left", "Top", "Width", "Height"})
        EXPECT_TRUE(s.ini->GetValue(s.section(id).c_str(), key, nullptr)) << s.folder << " " << name(id) << " " << key;
  }
}

TEST(SkinPictures, EveryFileDecodesAtTheSizeOfItsBoxInsideTheConsole) {
  for (const Skin& s : skins()) {
    for (ElementId id = 0; id < kSkinElementCount; ++id) {
      const Box b = s.box(id);
      const auto png = read_png_file(s.file(id));
      ASSERT_TRUE(png) << s.folder << " " << name(id) << ": " << s.file(id) << " missing or not a PNG";
      EXPECT_EQ(png->width, b.width) << name(id);
      EXPECT_EQ(png->height, b.height) << name(id);
      EXPECT_GE(b.left, 0) << name(id);
      EXPECT_GE(b.top, 0) << name(id);
      EXPECT_LE(b.left + b.width, s.width) << name(id);
      EXPECT_LE(b.top + b.height, s.height) << name(id);
    }
  }
}

TEST(SkinLattice, CellsAreOrderedAndOnlyTheShipsSquareIsShared) {
  for (const Skin& s : skins()) {
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c < 5; ++c) {
        EXPECT_LT(s.box(el_enemy(c, r)).left, s.box(el_enemy(c + 1, r)).left) << name(el_enemy(c, r));
        if (r >= 2) {
          EXPECT_LT(s.box(el_fire(c, r)).left, s.box(el_fire(c + 1, r)).left) << name(el_fire(c, r));
        }
      }
    for (int c = 1; c <= 5; ++c) {
      for (int r = 1; r < 9; ++r) EXPECT_GT(s.box(el_enemy(c, r)).top, s.box(el_enemy(c, r + 1)).top);
      for (int r = 2; r <= 9; ++r) {
        // The shot cell lies just below its enemy cell: the shuttle's flame in phase 4.
        const Box e = s.box(el_enemy(c, r)), f = s.box(el_fire(c, r));
        EXPECT_EQ(f.top, e.top + e.height) << name(el_fire(c, r));
        EXPECT_TRUE(f.left >= e.left && f.left + f.width <= e.left + e.width) << name(el_fire(c, r));
      }
      // The wreck is the row-1 enemy cell "on the ship's own square".
      const Box ship = s.box(el_ship(c)), wreck = s.box(el_enemy(c, 1));
      EXPECT_TRUE(ship.left == wreck.left && ship.top == wreck.top && ship.width == wreck.width &&
                  ship.height == wreck.height)
          << name(el_ship(c));
    }
    std::vector<ElementId> cells;
    for (int c = 1; c <= 5; ++c) {
      for (int r = 1; r <= 9; ++r) cells.push_back(el_enemy(c, r));
      for (int r = 2; r <= 9; ++r) cells.push_back(el_fire(c, r));
      cells.push_back(el_ship(c));
    }
    for (std::size_t i = 0; i < cells.size(); ++i)
      for (std::size_t j = i + 1; j < cells.size(); ++j) {
        bool shared = false;
        for (int c = 1; c <= 5; ++c) shared |= cells[i] == el_enemy(c, 1) && cells[j] == el_ship(c);
        if (!shared) {
          EXPECT_FALSE(s.box(cells[i]).overlaps(s.box(cells[j])))
              << s.folder << ": " << name(cells[i]) << " overlaps " << name(cells[j]);
        }
      }
  }
}

TEST(SkinLooks, EveryLookTheGameShowsFitsTheCellExactly) {
  Console game;
  game.FormCreate();
  for (const Skin& s : skins()) {
    for (int r = 1; r <= 6; ++r)
      for (int c = 1; c <= 5; ++c) {
        const Box cell = s.box(el_enemy(c, r));
        for (ElementId look : {game.EnemyLook[c][r].Whole, game.EnemyLook[c][r].Body, game.EnemyLook[c][r].Wings}) {
          const auto png = read_png_file(s.file(look));
          ASSERT_TRUE(png) << name(look);
          EXPECT_TRUE(png->width == cell.width && png->height == cell.height)
              << name(look) << " shown in " << name(el_enemy(c, r));
        }
      }
    for (int c = 1; c <= 5; ++c)
      for (ElementId look : {game.ShipLook[c].Whole, game.ShipLook[c].Dock}) {
        const Box own = s.box(look), ship = s.box(el_ship(c));
        EXPECT_TRUE(own.left == ship.left && own.top == ship.top) << name(look) << " lies over its ship cell";
      }
  }
}

TEST(SkinLooks, WholeIsBodyAndWingsTogether) {
  // An attacker's segments: the body and the wings light separately, the whole
  // lights both, so a lit pixel of the whole is lit in the body or the wings.
  std::vector<std::array<ElementId, 3>> sets;
  for (int sc = 1; sc <= 5; ++sc)
    for (int sr = 1; sr <= 6; ++sr)
      if (const auto whole = el_enemy_look(sc, sr, LookKind::Whole))
        sets.push_back({*whole, *el_enemy_look(sc, sr, LookKind::Body), *el_enemy_look(sc, sr, LookKind::Wings)});
  ASSERT_EQ(sets.size(), 13u);
  for (const Skin& s : skins())
    for (const auto& [whole, body, wings] : sets) {
      const auto w = read_png_file(s.file(whole)), b = read_png_file(s.file(body)), g = read_png_file(s.file(wings));
      ASSERT_TRUE(w && b && g);
      int lit_whole = 0, lit_parts = 0;
      for (int y = 0; y < w->height; ++y)
        for (int x = 0; x < w->width; ++x) {
          const bool in_whole = (w->at(x, y) >> 24) > 200;
          // Where body and wings almost touch, each covers part of the pixel.
          const bool in_part = (b->at(x, y) >> 24) + (g->at(x, y) >> 24) > 160;
          lit_whole += in_whole;
          lit_parts += in_whole && in_part;
        }
      EXPECT_GT(lit_whole, 20) << name(whole);
      EXPECT_EQ(lit_parts, lit_whole) << name(whole);
    }
}

TEST(SkinExtras, PreviewBackdropAndLogo) {
  for (const Skin& s : skins()) {
    const auto preview = read_png_file(s.folder / "SkinPreview.png");
    ASSERT_TRUE(preview);
    EXPECT_TRUE(preview->width <= 340 && preview->height <= 358);
    EXPECT_TRUE(preview->width == 340 || preview->height == 358) << "scaled to fit the launcher's box";
    EXPECT_EQ(preview->at(0, 0) >> 24, 0u) << "outside the case the preview is transparent";
    EXPECT_EQ(preview->at(preview->width / 2, preview->height / 2) >> 24, 255u);

    const auto logo = read_png_file(windows_path(s.folder, s.ini->GetValue("Fullscreen", "LogoFile", "")));
    ASSERT_TRUE(logo);
    EXPECT_TRUE(logo->alpha);

    const auto backdrop = windows_path(s.folder, s.ini->GetValue("Fullscreen", "BackdropFile", ""));
    std::FILE* f = std::fopen(backdrop.c_str(), "rb");
    ASSERT_TRUE(f) << backdrop;
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, f);
    ASSERT_EQ(jpeg_read_header(&cinfo, TRUE), JPEG_HEADER_OK);
    EXPECT_GE(static_cast<int>(cinfo.image_width), 1920) << "covers a full-HD screen";
    EXPECT_GE(static_cast<int>(cinfo.image_height), 1080);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(f);
  }
}

TEST(Manual, SixPagesOf475By675WhereConfigIniPointsTo) {
  const auto ini = load_ini(data_dir() / "Config.ini");
  ASSERT_TRUE(ini);
  const auto dir = windows_path(data_dir(), ini->GetValue("Manual", "ManualDir", ""));
  for (int n = 1; n <= 6; ++n) {
    const auto bmp = read_bmp_header(dir / (std::to_string(n) + ".bmp"));
    ASSERT_TRUE(bmp) << n << ".bmp";
    EXPECT_EQ(bmp->width, 475);
    EXPECT_EQ(bmp->height, 675);
    EXPECT_EQ(bmp->bits, 24);
    EXPECT_EQ(bmp->file_size, bmp->pixel_offset + std::uintmax_t((475 * 3 + 3) / 4 * 4) * 675) << "complete pixel data";
  }
}

TEST(FormPictures, HaveTheSizesOfTheirElements) {
  const auto forms = data_dir() / "Graphics" / "Forms";
  const struct {
    const char* file;
    int w, h;
  } expected[] = {{"TSplashForm/im_background.png", 800, 450},
                  {"TSplashForm/im_box_picture.png", 460, 160},
                  {"TSplashForm/btn_play.png", 107, 30},
                  {"TSplashForm/btn_play_disabled.png", 107, 30},
                  {"TSplashForm/btn_paypal.png", 107, 30},
                  {"TAboutForm/im_picture.png", 116, 160},
                  {"TForm1/btn_game_menu_background.png", 256, 512},
                  {"TManualForm/btn_right_up.png", 16, 14},
                  {"TManualForm/btn_right_down.png", 16, 14},
                  {"TManualForm/btn_left_up.png", 16, 14},
                  {"TManualForm/btn_left_down.png", 16, 14},
                  {"TManualForm/btn_close_up.png", 16, 14},
                  {"TManualForm/btn_close_down.png", 16, 14}};
  for (const auto& e : expected) {
    const auto png = read_png_file(forms / e.file);
    ASSERT_TRUE(png) << e.file;
    EXPECT_EQ(png->width, e.w) << e.file;
    EXPECT_EQ(png->height, e.h) << e.file;
  }
}

TEST(FormPictures, GameMenuBackgroundIsTheTitleBarOverA80PercentPanel) {
  const auto png = read_png_file(data_dir() / "Graphics/Forms/TForm1/btn_game_menu_background.png");
  ASSERT_TRUE(png && png->alpha);
  auto white = [&](int x, int y) { return (png->at(x, y) & 0xFFFFFF) > 0xC0C0C0; };
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 256; ++x) {
      ASSERT_EQ(png->at(x, y) >> 24, 255u) << "title bar opaque at " << x << "," << y;
      if (x < 8 || (x > 27 && x < 36)) {
        EXPECT_FALSE(white(x, y)) << "outside the icon and the title " << x << "," << y;
      }
    }
  int bars = 0;
  for (int y = 0; y < 32; ++y) bars += white(8, y) && white(27, y) && !white(7, y) && !white(28, y);
  EXPECT_GE(bars, 6) << "three white bars spanning columns 8 to 27";
  int title = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 36; x < 256; ++x) title += white(x, y);
  EXPECT_GT(title, 60) << "the white title from column 36 on";
  for (int y = 32; y < 512; ++y)
    for (int x = 0; x < 256; ++x) ASSERT_EQ(png->at(x, y), 0xCC000000u) << "black at alpha 204 at " << x << "," << y;
}

TEST(FormPictures, ManualButtonsSinkWithTheGlyphOnePixelDownRight) {
  const auto dir = data_dir() / "Graphics/Forms/TManualForm";
  for (const char* button : {"btn_right", "btn_left", "btn_close"}) {
    const auto up = read_png_file(dir / (std::string(button) + "_up.png"));
    const auto down = read_png_file(dir / (std::string(button) + "_down.png"));
    ASSERT_TRUE(up && down);
    auto glyph = [](const Png& p, int x, int y) {
      return x >= 0 && y >= 0 && x < p.width && y < p.height && (p.at(x, y) & 0xFFFFFF) == 0xFFFFFF;
    };
    int glyph_pixels = 0;
    for (int y = 0; y < 14; ++y)
      for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(glyph(*down, x, y), glyph(*up, x - 1, y - 1)) << button << " at " << x << "," << y;
        glyph_pixels += glyph(*up, x, y);
        const std::uint32_t c = up->at(x, y);
        if (!glyph(*up, x, y)) {
          EXPECT_GT((c >> 16) & 0xFF, (c & 0xFF)) << button << " is red at " << x << "," << y;
        }
      }
    EXPECT_GT(glyph_pixels, 8) << button;
    auto brightness = [](std::uint32_t c) { return ((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF); };
    // Raised: light top-left edge; sunken: dark top-left edge.
    EXPECT_GT(brightness(up->at(1, 6)), brightness(up->at(14, 6))) << button;
    EXPECT_LT(brightness(down->at(1, 6)), brightness(down->at(14, 6))) << button;
  }
}

}  // namespace
}  // namespace vx::assets::test
