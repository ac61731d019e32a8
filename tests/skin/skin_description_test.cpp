// Skin.ini read from its text, with no file system: what a web page or a tool
// hands the reader is judged as the desktop loader judges the file.
#include "skin/skin_description.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(SkinDescriptionText, ValuesDefaultsAndFaultsWithoutAFile) {
  std::string error;
  auto d = read_skin_description("[common]\ngamewidth=200\n[Image3]\nFilename=on.png\nLeft=-5\n", error);
  ASSERT_TRUE(d) << error;
  EXPECT_EQ(d->GameWidth, 200) << "names are not case-sensitive";
  EXPECT_EQ(d->GameHeight, 747) << "a missing value takes its default";
  EXPECT_EQ(d->images[2].Filename, "on.png");
  EXPECT_EQ(d->images[2].Left, -5);
  EXPECT_TRUE(d->images[2].section_present);
  EXPECT_FALSE(d->images[3].section_present);

  const struct {
    std::string text, fault;
  } refused[] = {
      {"", "is empty"},
      {"[Other]\nA=1\n", "describes no skin"},
      {std::string("[Common]\nGameWidth=1\x01\n"), "is not a text file"},
      {"[Common]\nGameWidth=100000\n", "has [Common] GameWidth 100000, outside 1..8192"},
      {"[Image1]\nWidth=-1\n", "has [Image1] Width -1, outside 0..8192"},
  };
  for (const auto& r : refused) {
    EXPECT_FALSE(read_skin_description(r.text, error)) << r.text;
    EXPECT_EQ(error, r.fault) << r.text;
  }
}

}  // namespace
}  // namespace vx
