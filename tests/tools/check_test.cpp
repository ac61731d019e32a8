// make-assets --check on the installed skins and on a deliberately broken copy,
// and the --compose command line.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <functional>

#include "asset_files.h"
#include "image_io.h"
#include "skin/elements.h"
#include "skin_check.h"

namespace vx::assets::test {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status;
  std::string output;
};

ToolRun run(const std::string& args) {
  const std::string cmd = std::string(MAKE_ASSETS) + " " + args + " 2>&1";
  std::FILE* pipe = popen(cmd.c_str(), "r");
  std::string out;
  std::array<char, 512> buf{};
  while (pipe && std::fgets(buf.data(), buf.size(), pipe)) out += buf.data();
  const int status = pipe ? pclose(pipe) : -1;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

bool mentions(const std::vector<std::string>& faults, ElementId id, const std::string& what) {
  return std::any_of(faults.begin(), faults.end(), [&](const std::string& f) {
    return f.find(element_name(id)) != std::string::npos && f.find(what) != std::string::npos;
  });
}

class BrokenSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           (std::string("vx-assets-broken-skin-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::copy(skin_folders().at(0), dir_, fs::copy_options::recursive);
    ini_ = load_ini(dir_ / "Skin.ini");
    ASSERT_TRUE(ini_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string section(ElementId id) { return "Image" + std::to_string(id + 1); }
  void set(ElementId id, const char* key, long v) { ini_->SetLongValue(section(id).c_str(), key, v); }
  long get(ElementId id, const char* key) { return ini_->GetLongValue(section(id).c_str(), key, 0); }
  void save() { ASSERT_GE(ini_->SaveFile((dir_ / "Skin.ini").c_str()), 0); }

  fs::path dir_;
  std::unique_ptr<CSimpleIniA> ini_;
};

TEST(Check, BothInstalledSkinsPass) {
  for (const auto& folder : skin_folders()) {
    const auto faults = check_skin(folder);
    EXPECT_TRUE(faults.empty()) << folder << ": " << (faults.empty() ? "" : faults.front());
    const ToolRun r = run("--check " + folder.string());
    EXPECT_EQ(r.status, 0) << r.output;
  }
}

TEST_F(BrokenSkin, EachFaultIsReportedByTheElementsName) {
  fs::remove(dir_ / ini_->GetValue(section(el_enemy(3, 5)).c_str(), "Filename", ""));
  set(el_fire(2, 4), "Left", get(im_background, "Width") + 10);
  set(el_enemy(4, 7), "Left", get(el_enemy(3, 7), "Left") + 5);
  fs::copy_file(dir_ / "im_background.png",
                dir_ / ini_->GetValue(section(*el_enemy_look(2, 5, LookKind::Body)).c_str(), "Filename", ""),
                fs::copy_options::overwrite_existing);
  ini_->Delete(section(btn_start_top).c_str(), "Height");
  save();
  const auto faults = check_skin(dir_);
  EXPECT_TRUE(mentions(faults, el_enemy(3, 5), "not found"));
  EXPECT_TRUE(mentions(faults, el_fire(2, 4), "outside"));
  EXPECT_TRUE(mentions(faults, el_enemy(4, 7), "overlaps im_enemy_03_07"));
  EXPECT_TRUE(mentions(faults, *el_enemy_look(2, 5, LookKind::Body), "does not fit im_enemy_02_03"));
  EXPECT_TRUE(mentions(faults, btn_start_top, "Height missing"));
  EXPECT_FALSE(mentions(faults, el_enemy(1, 1), "overlaps")) << "the row-1 cell may share the ship's square";

  const ToolRun r = run("--check " + dir_.string());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("im_enemy_03_05"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("im_fire_02_04"), std::string::npos) << r.output;
}

TEST_F(BrokenSkin, RowsOutOfOrderAndAShotAboveItsCellAreFaults) {
  // Swap two rows of enemy cells: the lattice no longer runs top to bottom.
  const long top6 = get(el_enemy(1, 6), "Top"), top5 = get(el_enemy(1, 5), "Top");
  set(el_enemy(1, 6), "Top", top5);
  set(el_enemy(1, 5), "Top", top6);
  set(el_fire(5, 9), "Top", get(el_enemy(5, 9), "Top") - 20);
  save();
  const auto faults = check_skin(dir_);
  EXPECT_TRUE(mentions(faults, el_enemy(1, 6), "is not above im_enemy_01_05"));
  EXPECT_TRUE(mentions(faults, el_fire(5, 9), "does not sit below im_enemy_05_09"));
}

// What the program refuses, the check reports and --compose does not draw: the
// file it would have replaced keeps what it held.
TEST_F(BrokenSkin, ASkinPastTheProgramsLimitsFailsTheCheckAndIsNotComposed) {
  const fs::path out = dir_ / "composed.png";
  struct Case {
    const char* what;
    std::function<void()> make;
    const char* said;
  };
  const Case cases[] = {
      {"a console 100000 wide", [&] { ini_->SetLongValue("Common", "GameWidth", 100000); },
       "[Common] GameWidth 100000, outside 1..8192"},
      {"an element at 2147483647", [&] { set(im_background, "Left", 2147483647); },
       "[Image1] Left 2147483647, outside -8192..8192"},
      {"pictures past the skin's pixels",
       [&] {
         QImage big(3000, 3000, QImage::Format_RGB32);
         big.fill(Qt::darkBlue);
         for (ElementId id : {el_enemy(1, 9), el_enemy(2, 9)})
           write_png(dir_ / ini_->GetValue(section(id).c_str(), "Filename", ""), big, false);
       },
       "that a skin's pictures may have together"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(dir_);
    fs::copy(skin_folders().at(0), dir_, fs::copy_options::recursive);
    ini_ = load_ini(dir_ / "Skin.ini");
    c.make();
    save();
    const ToolRun check = run("--check " + dir_.string());
    EXPECT_EQ(check.status, 1);
    EXPECT_NE(check.output.find(c.said), std::string::npos) << check.output;
    std::ofstream(out) << "what was there before";
    const ToolRun compose = run("--compose " + dir_.string() + " --state on --out " + out.string());
    EXPECT_EQ(compose.status, 1) << compose.output;
    EXPECT_NE(compose.output.find(c.said), std::string::npos) << compose.output;
    std::ifstream kept(out);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), std::istreambuf_iterator<char>()),
              "what was there before");
  }
}

TEST(Check, AFolderWithoutDescriptionIsOneFault) {
  const auto faults = check_skin(fs::path(::testing::TempDir()) / "vx-assets-no-such-skin");
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_NE(faults[0].find("Skin.ini"), std::string::npos);
}

TEST(Compose, WritesTheConsoleAreaAndRefusesUnknownStates) {
  const fs::path out = fs::path(::testing::TempDir()) / "vx-assets-compose.png";
  for (const auto& folder : skin_folders()) {
    const ToolRun ok = run("--compose " + folder.string() + " --state demo --out " + out.string());
    EXPECT_EQ(ok.status, 0) << ok.output;
    const auto png = read_png_file(out);
    const auto ini = load_ini(folder / "Skin.ini");
    ASSERT_TRUE(png && ini);
    EXPECT_EQ(png->width, ini->GetLongValue("Common", "GameWidth", 0));
    EXPECT_EQ(png->height, ini->GetLongValue("Common", "GameHeight", 0));
    const ToolRun full =
        run("--compose " + folder.string() + " --state off --fullscreen 1280x800 --out " + out.string());
    EXPECT_EQ(full.status, 0) << full.output;
    const auto screen = read_png_file(out);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->width, 1280);
    EXPECT_EQ(screen->height, 800);
  }
  EXPECT_EQ(run("--compose " + skin_folders().at(0).string() + " --state dancing --out " + out.string()).status, 2);
  EXPECT_EQ(
      run("--compose " + skin_folders().at(0).string() + " --state on --fullscreen huge --out " + out.string()).status,
      2);
  fs::remove(out);
}

}  // namespace
}  // namespace vx::assets::test
