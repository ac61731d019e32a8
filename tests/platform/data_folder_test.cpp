// The data folder and paths from INI files: backslashes, and names spelt in
// another case than on disk (skins made on Windows).
#include <gtest/gtest.h>

#include "platform/data_folder.h"
#include "support/picture_writers.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

TEST(DataFolder, OptionThenExecutableFolderWithConfigThenShare) {
  test::TempDir dir;
  EXPECT_EQ(find_data_folder(std::filesystem::path("/srv/data"), dir.path()), "/srv/data");
  EXPECT_EQ(find_data_folder(std::nullopt, dir.path()), dir.path() / ".." / "share" / "vornix-simulator");
  test::write_text(dir / "Config.ini", "[Common]\n");
  EXPECT_EQ(find_data_folder(std::nullopt, dir.path()), dir.path());
}

TEST(PathLookup, BackslashesAndExactNames) {
  test::TempDir dir;
  test::write_text(dir / "Graphics/Skin1/Skin.ini", "");
  EXPECT_EQ(resolve_path("Graphics\\Skin1\\Skin.ini", dir.path()), dir / "Graphics/Skin1/Skin.ini");
  EXPECT_TRUE(configured_file_exists("Graphics\\Skin1\\Skin.ini", dir.path()));
  EXPECT_FALSE(configured_file_exists("Graphics\\Skin1\\", dir.path()));  // a folder is not a file
}

TEST(PathLookup, EachComponentIsFoundWithoutRegardToCase) {
  test::TempDir dir;
  test::write_text(dir / "graphics/SKIN3/skin.INI", "");
  EXPECT_EQ(resolve_path("Graphics\\Skin3\\Skin.ini", dir.path()), dir / "graphics/SKIN3/skin.INI");
  EXPECT_TRUE(configured_file_exists("GRAPHICS\\skin3\\Skin.Ini", dir.path()));
}

TEST(PathLookup, AnExactMatchWinsOverOneInAnotherCase) {
  test::TempDir dir;
  test::write_text(dir / "Pics/a.png", "exact");
  test::write_text(dir / "pics/A.PNG", "other");
  EXPECT_EQ(resolve_path("Pics\\a.png", dir.path()), dir / "Pics/a.png");
  EXPECT_EQ(resolve_path("pics\\A.PNG", dir.path()), dir / "pics/A.PNG");
}

TEST(PathLookup, WhatMatchesNothingStaysAsWritten) {
  test::TempDir dir;
  test::write_text(dir / "graphics/x.png", "");
  EXPECT_EQ(resolve_path("Graphics\\Missing\\X.png", dir.path()), dir / "graphics/Missing/X.png");
  EXPECT_FALSE(configured_file_exists("Graphics\\Missing\\X.png", dir.path()));
  EXPECT_FALSE(configured_file_exists("", dir.path()));
}

}  // namespace
}  // namespace vx
