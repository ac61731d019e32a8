// Reading skin descriptions as a skin made on Windows writes them.
#include "skin_file.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vx::assets::test {
namespace {

namespace fs = std::filesystem;

TEST(SkinFile, ColoursInTheToolkitSyntax) {
  EXPECT_EQ(parse_colour("$00FF00FF"), QColor(255, 0, 255));
  EXPECT_EQ(parse_colour("$000000FF"), QColor(255, 0, 0)) << "blue is the high byte";
  EXPECT_EQ(parse_colour("16711935"), QColor(255, 0, 255));
  EXPECT_EQ(parse_colour(" $00ff8040 "), QColor(0x40, 0x80, 0xFF));
  EXPECT_FALSE(parse_colour("clFuchsia"));
  EXPECT_FALSE(parse_colour(""));
  EXPECT_FALSE(parse_colour("-1"));
  EXPECT_EQ(colour_text(QColor(255, 0, 255)), "$00FF00FF");
  EXPECT_EQ(parse_colour(colour_text(QColor(12, 34, 56))), QColor(12, 34, 56));
}

TEST(SkinFile, FileNamesWithBackslashesAndOtherCaseAreFound) {
  const fs::path dir = fs::path(::testing::TempDir()) / "vx-assets-case-skin";
  fs::remove_all(dir);
  fs::create_directories(dir / "Pics");
  std::ofstream(dir / "Pics" / "Ship.png") << "x";
  EXPECT_EQ(find_in_folder(dir, "Pics\\Ship.png"), dir / "Pics" / "Ship.png");
  EXPECT_EQ(find_in_folder(dir, "PICS\\ship.PNG"), dir / "Pics" / "Ship.png");
  EXPECT_FALSE(find_in_folder(dir, "Pics\\Dock.png"));
  EXPECT_FALSE(find_in_folder(dir, "Pics")) << "a folder is not a picture";
  EXPECT_TRUE(names_file("a.png"));
  EXPECT_FALSE(names_file("nil"));
  EXPECT_FALSE(names_file(" NIL "));
  EXPECT_FALSE(names_file(""));
  fs::remove_all(dir);
}

TEST(SkinFile, KeysAreReadWhateverTheirCaseAndGapsAreListed) {
  const fs::path dir = fs::path(::testing::TempDir()) / "vx-assets-ini-skin";
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "skin.INI", std::ios::binary)
      << "[common]\r\ngamewidth=600\r\nGameHeight=abc\r\n[SHAPED]\r\ntranspcolor=$0000FF00\r\n"
         "[Image1]\r\nFilename=Back.png\r\nLeft=3\r\nTop=4\r\nWidth=$10\r\nHeight=20\r\n[image2]\r\nfilename=nil\r\n";
  std::string error;
  const auto skin = read_skin_file(dir, "Skin.ini", error);
  ASSERT_TRUE(skin) << error;
  EXPECT_EQ(skin->game_width, 600);
  EXPECT_EQ(skin->game_height, 747) << "not a number: the default";
  EXPECT_EQ(skin->transp_color, "$0000FF00");
  EXPECT_EQ(skin->images[0].filename, "Back.png");
  EXPECT_EQ(skin->images[0].box, QRect(3, 4, 16, 20));
  EXPECT_TRUE(skin->images[0].missing.empty());
  EXPECT_TRUE(skin->images[1].section_present);
  EXPECT_EQ(skin->images[1].missing.size(), 4u);
  EXPECT_FALSE(skin->images[2].section_present);
  auto listed = [&](const std::string& f) {
    return std::find(skin->faults.begin(), skin->faults.end(), f) != skin->faults.end();
  };
  EXPECT_TRUE(listed("[Common] GameHeight is not a number"));
  EXPECT_TRUE(listed("[Fullscreen] BackdropFile missing"));
  EXPECT_FALSE(listed("[Shaped] TranspColor missing"));

  EXPECT_FALSE(read_skin_file(dir, "Other.ini", error));
  EXPECT_NE(error.find("Other.ini"), std::string::npos);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vx::assets::test
