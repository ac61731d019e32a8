// Config.ini and Skin.ini reading: names without regard to case, the integer
// syntax, and which defaults apply when.
#include <gtest/gtest.h>

#include "platform/ini_file.h"
#include "support/picture_writers.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

TEST(IniInteger, DecimalAndDollarHexadecimal) {
  EXPECT_EQ(parse_ini_int("528"), 528);
  EXPECT_EQ(parse_ini_int("  -3 "), -3);
  EXPECT_EQ(parse_ini_int("+7"), 7);
  EXPECT_EQ(parse_ini_int("$ff"), 255);
  EXPECT_EQ(parse_ini_int("$00ff00ff"), 0x00ff00ff);
  EXPECT_EQ(parse_ini_int("$FFFFFFFF"), -1);  // 32 bits, as the colour syntax means it
  EXPECT_EQ(parse_ini_int("-2147483648"), INT32_MIN);
}

TEST(IniInteger, AnythingElseIsNotANumber) {
  for (const char* text : {"", "  ", "Center", "12abc", "1.5", "$", "$12345678 9", "$123456789", "2147483648",
                           "0x10", "- 1"})
    EXPECT_FALSE(parse_ini_int(text).has_value()) << '"' << text << '"';
}

class IniFileTest : public testing::Test {
 protected:
  test::TempDir dir;
  IniFile ini;
  void load(const std::string& text) {
    test::write_text(dir / "Config.ini", text);
    ASSERT_TRUE(ini.load(dir / "Config.ini"));
  }
};

TEST_F(IniFileTest, SectionAndKeyNamesIgnoreCase) {
  load("[COMMON]\nskins=3\n[skin1]\nPATH=Graphics\\Retro\n");
  EXPECT_EQ(ini.read_int("Common", "Skins", 2), 3);
  EXPECT_EQ(ini.read_text("Skin1", "Path", "x"), "Graphics\\Retro");
  EXPECT_TRUE(ini.has_key("sKiN1", "pAtH"));
}

TEST_F(IniFileTest, IntegerTakesItsDefaultWhenMissingEmptyOrNotANumber) {
  load("[Common]\nEmpty=\nWord=abc\nHex=$10\nSpaced =  42 \n");
  EXPECT_EQ(ini.read_int("Common", "Missing", 2), 2);
  EXPECT_EQ(ini.read_int("Nowhere", "Skins", 2), 2);
  EXPECT_EQ(ini.read_int("Common", "Empty", 2), 2);
  EXPECT_EQ(ini.read_int("Common", "Word", 2), 2);
  EXPECT_EQ(ini.read_int("Common", "Hex", 2), 16);
  EXPECT_EQ(ini.read_int("Common", "Spaced", 2), 42);
}

TEST_F(IniFileTest, TextTakesItsDefaultOnlyWhenMissing) {
  load("[Skin1]\nName=\nSkinFile=My Skin.ini\n");
  EXPECT_EQ(ini.read_text("Skin1", "Name", "Nameless Skin"), "");
  EXPECT_EQ(ini.read_text("Skin1", "SkinFile", "Skin.ini"), "My Skin.ini");
  EXPECT_EQ(ini.read_text("Skin1", "SkinPreviewImg", "SkinPreview.png"), "SkinPreview.png");
}

TEST_F(IniFileTest, AMissingFileReadsAsDefaults) {
  EXPECT_FALSE(ini.load(dir / "Absent.ini"));
  EXPECT_EQ(ini.read_int("Common", "Skins", 2), 2);
  EXPECT_EQ(ini.read_text("Skin1", "Name", "Nameless Skin"), "Nameless Skin");
}

TEST_F(IniFileTest, WindowsLineEndsAndCommentsAreRead) {
  load("; made on Windows\r\n[Common]\r\nSkins=4\r\n");
  EXPECT_EQ(ini.read_int("Common", "Skins", 2), 4);
}

}  // namespace
}  // namespace vx
