// The skin list of Config.ini: defaults for missing sections and keys, the
// trailing delimiter, and the limit of 99 skins.
#include "skin/skin_list.h"

#include <gtest/gtest.h>

#include "platform/ini_file.h"
#include "support/picture_writers.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

SkinList table_from(const std::string& config) {
  test::TempDir dir;
  test::write_text(dir / "Config.ini", config);
  IniFile ini;
  EXPECT_TRUE(ini.load(dir / "Config.ini"));
  return read_skin_list(ini);
}

TEST(SkinList, MissingSectionsTakeTheDefaults) {
  const SkinList t = table_from("[Common]\nSkins=3\n[Skin1]\nPath=Graphics\\Retro\nName=Retro\n");
  ASSERT_EQ(t.SkinCount, 3);
  EXPECT_EQ(t.at(1)->Path, "Graphics\\Retro\\");  // the delimiter appended
  EXPECT_EQ(t.at(1)->Name, "Retro");
  EXPECT_EQ(t.at(1)->SkinFile, "Skin.ini");
  EXPECT_EQ(t.at(1)->PreviewImg, "SkinPreview.png");
  EXPECT_EQ(t.at(2)->Name, "Nameless Skin");
  EXPECT_EQ(t.at(2)->Path, "Graphics\\Skin2\\");
  EXPECT_EQ(t.at(3)->Path, "Graphics\\Skin3\\");
  EXPECT_EQ(t.at(4), nullptr);
  EXPECT_EQ(t.at(0), nullptr);
}

TEST(SkinList, TwoSkinsWhenCommonSaysNothing) {
  EXPECT_EQ(table_from("").SkinCount, 2);
  EXPECT_EQ(table_from("[Common]\nSkins=many\n").SkinCount, 2);
  EXPECT_EQ(table_from("[Common]\nSkins=-4\n").SkinCount, 0);
}

TEST(SkinList, MoreThan99UsesTheFirst99AndSaysSo) {
  testing::internal::CaptureStderr();
  const SkinList t = table_from("[Common]\nSkins=150\n[Skin99]\nName=Last\n[Skin100]\nName=Beyond\n");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Config.ini: [Common] Skins is 150; the first 99 skins are used\n");
  EXPECT_EQ(t.SkinCount, 99);
  EXPECT_EQ(t.at(99)->Name, "Last");
  EXPECT_EQ(t.at(100), nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(table_from("[Common]\nSkins=99\n").SkinCount, 99);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(SkinList, AForwardSlashCountsAsADelimiterAndAnEmptyPathStaysEmpty) {
  EXPECT_EQ(with_trailing_delimiter("Graphics/Skin1/"), "Graphics/Skin1/");
  EXPECT_EQ(with_trailing_delimiter("Skins"), "Skins\\");
  EXPECT_EQ(with_trailing_delimiter(""), "");
}

}  // namespace
}  // namespace vx
