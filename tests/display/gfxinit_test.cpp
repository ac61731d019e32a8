// The skin loader: sizes, offsets, the full-screen backdrop, logo and colour, the
// windowed colour key, element pictures and boxes, and a missing description.
#include "display/gfxinit.h"

#include <gtest/gtest.h>

#include <fstream>

#include "display/console_frame.h"
#include "display/game_menu_layout.h"
#include "platform/message_box.h"
#include "platform/termination.h"
#include "skin/drawing_order.h"
#include "support/hostile_pictures.h"
#include "support/picture_cache_on.h"
#include "support/picture_writers.h"
#include "support/temp_dir.h"
#include "support/test_install.h"

namespace vx {
namespace {

// What a load shows and says: standard error, the report, the frame.
struct Seen {
  std::string said;
  std::vector<std::string> problems;
  bool passed_limit;
  QImage frame;
};

class SkinLoader : public testing::Test {
 protected:
  test::TempDir data;
  SkinRecord skin{"Graphics\\Skin1\\", "Test Skin 1", "Skin.ini", "SkinPreview.png"};
  SpriteBoard board;
  ConsoleWindowLook window;
  std::vector<std::string> messages;
  bool ahead_decoding = false;  // whether the last load's pictures were decoding before it

  SkinLoader() {
    set_error_box([this](std::string_view text) { messages.emplace_back(text); });
    set_termination_hook({});
  }
  ~SkinLoader() override { set_error_box({}); }

  // A skin whose description is `ini` (pictures: those of the test skin).
  void write_skin(const std::string& ini) {
    test::write_test_skin(data.path(), 1);
    test::write_text(data / "Graphics/Skin1/Skin.ini", ini);
  }
  // `ahead`: the description is read and the pictures start decoding
  // (read_skin_ahead) before the load takes them over, as Play does while sound
  // starts.
  bool load(bool fullscreen, int screen_width = 1920, int screen_height = 1080, int decode_threads = 0,
            SkinLoadReport* report = nullptr, bool ahead = false) {
    SkinLoadRequest r;
    r.decode_threads = decode_threads;
    r.skin = &skin;
    r.FullscreenMode = fullscreen;
    r.screen_width = screen_width;
    r.screen_height = screen_height;
    r.data_folder = data.path();
    SkinAhead started;
    if (ahead) {
      started = read_skin_ahead(r);
      ahead_decoding = started.pictures.prefetching();
      r.ahead = &started;
    }
    return gfxinit(r, board, window, report);
  }
  void expect_box(ElementId id, int left, int top, int width, int height) {
    const Sprite& s = board[id];
    EXPECT_EQ(s.left, left) << element_name(id);
    EXPECT_EQ(s.top, top) << element_name(id);
    EXPECT_EQ(s.width, width) << element_name(id);
    EXPECT_EQ(s.height, height) << element_name(id);
  }
  // Loads the skin windowed on `threads` decoding threads beside this one.
  Seen load_on(int threads, bool ahead = false) {
    board = SpriteBoard();
    for (ElementId id = 0; id < kElementCount; ++id) board.show(id, true);
    SkinLoadReport report;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(load(false, 1920, 1080, threads, &report, ahead));
    if (ahead) EXPECT_EQ(ahead_decoding, threads > 0);
    Seen seen{testing::internal::GetCapturedStderr(), report.problems, report.passed_limit, {}};
    ConsoleFrame frame(false);
    frame.repaint_all(board, window);
    seen.frame = frame.image();
    return seen;
  }
  static void expect_same(const Seen& got, const Seen& want) {
    EXPECT_EQ(got.said, want.said);
    EXPECT_EQ(got.problems, want.problems);
    EXPECT_EQ(got.passed_limit, want.passed_limit);
    EXPECT_TRUE(got.frame == want.frame);
  }
};

TEST_F(SkinLoader, WindowedSizesTheWindowKeysItAndPlacesEveryElement) {
  test::write_test_skin(data.path(), 1);
  ASSERT_TRUE(load(false));
  EXPECT_EQ(window.client_width, test::kTestGameWidth);
  EXPECT_EQ(window.client_height, test::kTestGameHeight);
  EXPECT_TRUE(window.colour_key);
  EXPECT_EQ(colour_to_rgb(window.colour), test::kTestKeyColour);
  EXPECT_FALSE(board[im_backdrop].visible);
  EXPECT_FALSE(board[im_backdrop_logo].visible);
  for (ElementId id = 0; id < kSkinElementCount; ++id) {
    const test::Box b = test::test_box(id);
    expect_box(id, b.left, b.top, b.width, b.height);
    ASSERT_TRUE(board[id].picture) << element_name(id);
    EXPECT_EQ(board[id].picture->pixel(b.width / 2, b.height / 2) & 0xFFFFFF, test::test_colour(id))
        << element_name(id);
  }
  // The loader shows and hides none of the skin's elements.
  for (ElementId id = 0; id < kSkinElementCount; ++id) EXPECT_FALSE(board[id].visible) << element_name(id);
  // The game-menu button belongs to full-screen mode only.
  EXPECT_FALSE(board[btn_game_menu_top].visible);
  EXPECT_FALSE(board[btn_game_menu_background].visible);
  EXPECT_TRUE(messages.empty());
}

TEST_F(SkinLoader, FullScreenCentresTheConsoleOverTheBackdropWithLogoAndColour) {
  test::write_test_skin(data.path(), 1);
  ASSERT_TRUE(load(true, 1920, 1080));
  EXPECT_EQ(window.client_width, 1920);
  EXPECT_EQ(window.client_height, 1080);
  EXPECT_FALSE(window.colour_key);
  EXPECT_EQ(window.colour, 0x00302010u);
  EXPECT_FALSE(window.backdrop_stretch);
  EXPECT_TRUE(board[im_backdrop].visible);
  expect_box(im_backdrop, 0, 0, 1920, 1080);
  EXPECT_EQ(board[im_backdrop].picture->width, 64);
  // LogoPosition 1: top-right, at the picture's own size.
  EXPECT_TRUE(board[im_backdrop_logo].visible);
  expect_box(im_backdrop_logo, 1920 - 30, 0, 30, 20);
  // Centre: (1920 - 240) / 2 = 840, (1080 - 320) / 2 = 380.
  const test::Box b = test::test_box(btn_fire_top);
  expect_box(btn_fire_top, b.left + 840, b.top + 380, b.width, b.height);
  EXPECT_TRUE(board[btn_game_menu_top].visible);
  EXPECT_TRUE(board[btn_game_menu_background].visible);
  expect_box(btn_game_menu_background, 0, 0, kGameMenuButtonWidth, kGameMenuButtonHeight);
}

std::string fullscreen_skin(const std::string& fullscreen_keys, int game_width = 528) {
  return "[Common]\nGameWidth=" + std::to_string(game_width) + "\nGameHeight=747\n[Fullscreen]\n" + fullscreen_keys +
         "[Image5]\nFilename=btn_power_top.png\nLeft=10\nTop=20\nWidth=40\nHeight=20\n";
}

TEST_F(SkinLoader, OffsetsZeroCenterAndWordsCentreWhileOtherNumbersPlace) {
  for (const char* centring : {"GameOffsetX=0\n", "GameOffsetX=Center\n", "GameOffsetX=left\n", ""}) {
    write_skin(fullscreen_skin(centring));
    ASSERT_TRUE(load(true, 1920, 1080));
    EXPECT_EQ(board[btn_power_top].left, 696 + 10) << centring;  // (1920 - 528) / 2
  }
  write_skin(fullscreen_skin("GameOffsetX=1\nGameOffsetY=$10\n"));
  ASSERT_TRUE(load(true, 1920, 1080));
  EXPECT_EQ(board[btn_power_top].left, 1 + 10);
  EXPECT_EQ(board[btn_power_top].top, 16 + 20);
  write_skin(fullscreen_skin("GameOffsetX=-30\n"));
  ASSERT_TRUE(load(true, 1920, 1080));
  EXPECT_EQ(board[btn_power_top].left, -30 + 10);
}

TEST_F(SkinLoader, AConsoleWiderThanTheScreenCentresAtANegativeOffset) {
  write_skin(fullscreen_skin("", 1925));  // 5 pixels wider than the screen
  ASSERT_TRUE(load(true, 1920, 1080));
  EXPECT_EQ(board[btn_power_top].left, -2 + 10);  // -5 / 2, truncated toward zero
  EXPECT_EQ(board[btn_power_top].top, (1080 - 747) / 2 + 20);
}

TEST_F(SkinLoader, LogoCornersAndAnUnknownPositionThatLeavesItWhereItWas) {
  const int expected[4][2] = {{0, 0}, {1920 - 30, 0}, {0, 1080 - 20}, {1920 - 30, 1080 - 20}};
  for (int position = 0; position < 4; ++position) {
    write_skin(fullscreen_skin("LogoFile=Logo.png\nLogoPosition=" + std::to_string(position) + "\n"));
    ASSERT_TRUE(load(true));
    expect_box(im_backdrop_logo, expected[position][0], expected[position][1], 30, 20);
  }
  // Position 4 keeps the last place; on a fresh board that is the top-left corner.
  write_skin(fullscreen_skin("LogoFile=Logo.png\nLogoPosition=4\n"));
  ASSERT_TRUE(load(true));
  expect_box(im_backdrop_logo, 1920 - 30, 1080 - 20, 30, 20);
  SpriteBoard fresh;
  board = fresh;
  ASSERT_TRUE(load(true));
  expect_box(im_backdrop_logo, 0, 0, 30, 20);
}

TEST_F(SkinLoader, NilOrMissingBackdropLeavesTheBackgroundColourAround) {
  write_skin(fullscreen_skin("BackdropFile=nil\nBgColor=$000000FF\nLogoFile=Absent.png\n"));
  ASSERT_TRUE(load(true));
  EXPECT_FALSE(board[im_backdrop].visible);
  EXPECT_FALSE(board[im_backdrop_logo].visible);
  EXPECT_EQ(colour_to_rgb(window.colour), 0xFF0000u);  // $000000FF is red
  write_skin(fullscreen_skin("BackdropFile=Backdrop.png\nBackdropStretch=1\n"));
  ASSERT_TRUE(load(true));
  EXPECT_TRUE(window.backdrop_stretch);
  EXPECT_TRUE(board[im_backdrop].visible);
}

TEST_F(SkinLoader, SwitchingModesHidesAndShowsBackdropAndLogoAgain) {
  test::write_test_skin(data.path(), 1);
  ASSERT_TRUE(load(true));
  ASSERT_TRUE(load(false));
  EXPECT_FALSE(board[im_backdrop].visible);
  EXPECT_FALSE(board[im_backdrop_logo].visible);
  EXPECT_TRUE(window.colour_key);
  ASSERT_TRUE(load(true));
  EXPECT_TRUE(board[im_backdrop].visible);
  EXPECT_TRUE(board[im_backdrop_logo].visible);
  EXPECT_FALSE(window.colour_key);
}

TEST_F(SkinLoader, ElementsWithoutAFileKeepTheirPictureAndTakeBoxesFromTheirKeys) {
  write_skin(
      "[Image5]\nFilename=btn_power_top.png\nLeft=3\nTop=4\nWidth=40\nHeight=20\n"
      "[Image6]\nFilename=nil\nLeft=7\nTop=8\nWidth=9\nHeight=10\n"
      "[Image7]\nLeft=abc\n"
      "[Image8]\nFilename=Missing.png\n");
  const PictureRef earlier = placeholder_picture();
  board.set_picture(btn_select_down, earlier);
  board.set_picture(btn_select_top, earlier);
  ASSERT_TRUE(load(false));
  EXPECT_EQ(board[btn_select_down].picture, earlier);  // "nil"
  EXPECT_EQ(board[btn_select_top].picture, earlier);   // no Filename
  expect_box(btn_select_down, 7, 8, 9, 10);
  expect_box(btn_select_top, 0, 0, 0, 0);                           // keys missing or not numbers
  EXPECT_EQ(board[btn_start_down].picture, placeholder_picture());  // named but absent
  EXPECT_EQ(window.client_width, 528);                              // GameWidth missing
  EXPECT_EQ(window.client_height, 747);
  ASSERT_TRUE(board[btn_power_top].picture);
  EXPECT_EQ(board[btn_power_top].picture->width, 40);
}

TEST_F(SkinLoader, APictureThatDoesNotDecodeIsARedSquareAndOneLine) {
  write_skin("[Image5]\nFilename=Broken.png\n");
  test::write_text(data / "Graphics/Skin1/Broken.png", "not a picture");
  testing::internal::CaptureStderr();
  ASSERT_TRUE(load(false));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(board[btn_power_top].picture, placeholder_picture());
  EXPECT_EQ(said, "Graphics\\Skin1\\Broken.png: not a PNG, JPEG or BMP picture\n");
}

// A skin of good, broken and missing pictures where the skin's pixels run out
// midway (after a 3000 x 3000 picture, a damaged one declaring 2900 x 2900 is
// refused for the limit, not for its damage).
void write_mixed_skin(const std::filesystem::path& data) {
  test::write_test_skin(data, 1);
  const std::filesystem::path folder = data / "Graphics/Skin1";
  const std::pair<const char*, test::Bytes> files[] = {
      {"a.png", test::encode_png(test::solid_picture(30, 20, 0xFF2040C0))},
      {"b.jpg", test::encode_jpeg(test::solid_picture(16, 16, 0xFF80FF00))},
      {"c.bmp", test::encode_bmp(test::solid_picture(12, 40, 0xFF102030))},
      {"d.png", test::encode_png(test::solid_picture(8, 8, 0x80FF0000, true))},
      {"text.png", test::Bytes{'n', 'o'}},
      {"cut.png", test::Bytes(60, 0)},
      {"huge.png", test::png_declaring(6000, 6000)},
      {"big.png", test::encode_png(test::solid_picture(3000, 3000, 0xFF204060))},
      {"claims.png", test::png_declaring(2900, 2900)},
  };
  for (const auto& [name, bytes] : files) test::write_file(folder / name, bytes);
  {  // a PNG cut off in its pixels
    const test::Bytes png = test::encode_png(test::solid_picture(50, 50, 0xFF0000FF));
    test::write_file(folder / "cut.png", test::Bytes(png.begin(), png.begin() + static_cast<long>(png.size()) - 30));
  }
  std::string ini = "[Common]\nGameWidth=240\nGameHeight=320\n";
  const char* names[] = {"a.png",    "text.png", "b.jpg",   "missing.png", "cut.png",  "c.bmp", "a.png",
                         "huge.png", "d.png",    "big.png", "claims.png",  "text.png", "b.jpg"};
  for (int n = 0; n < 13; ++n)
    ini += "[Image" + std::to_string(n * 7 + 1) + "]\nFilename=" + names[n] + "\nLeft=" + std::to_string(n * 10) +
           "\nTop=" + std::to_string(n * 20) + "\nWidth=10\nHeight=10\n";
  test::write_text(folder / "Skin.ini", ini);
}

// Pictures decoded on several threads, also when they started before the load
// (while sound starts), show and say what one after the other gives: the same
// frame, the same lines in the same order, also where the skin's pixels run out
// midway.
TEST_F(SkinLoader, DecodingOnSeveralThreadsShowsAndSaysWhatOneAfterTheOtherDoes) {
  write_mixed_skin(data.path());
  const Seen alone = load_on(0);
  ASSERT_EQ(alone.said.substr(0, alone.said.find('\n')), "Graphics\\Skin1\\text.png: not a PNG, JPEG or BMP picture");
  EXPECT_NE(alone.said.find("Graphics\\Skin1\\claims.png: the picture declares 2900 x 2900 pixels, more than the"),
            std::string::npos);
  EXPECT_TRUE(alone.passed_limit);
  for (auto [threads, ahead] : {std::pair{1, false}, {3, false}, {1, true}, {3, true}}) {
    SCOPED_TRACE(std::to_string(threads) + (ahead ? " threads, started before the load" : " threads"));
    expect_same(load_on(threads, ahead), alone);
    EXPECT_EQ(board[ElementId{9 * 7}].picture->width, 3000);  // big.png
  }
}

// With the picture cache, cold (each picture that decodes is stored) and warm
// (each is read back), a skin shows and says what decoding gives, on one thread
// and on several; a second 3000 x 3000 picture decodes ahead on its own but is
// refused for the skin's pixels left, also when it comes from the cache.
TEST_F(SkinLoader, ACachedSkinShowsAndSaysWhatDecodingDoes) {
  write_mixed_skin(data.path());
  const test::Bytes big2 = test::encode_png(test::solid_picture(3000, 3000, 0xFF604020));
  test::write_file(data / "Graphics/Skin1/big2.png", big2);
  {
    std::ofstream ini(data / "Graphics/Skin1/Skin.ini", std::ios::app);
    ini << "[Image92]\nFilename=big2.png\nLeft=5\nTop=5\nWidth=10\nHeight=10\n";
  }
  const Seen decoded = load_on(0);
  EXPECT_NE(decoded.said.find("Graphics\\Skin1\\big2.png: the picture declares 3000 x 3000 pixels, more than the"),
            std::string::npos);
  test::PictureCacheOn cache;
  for (auto [threads, warm] : {std::pair{3, false}, {0, true}, {0, false}, {3, true}}) {
    SCOPED_TRACE(std::to_string(threads) + (warm ? " threads, warm" : " threads, cold"));
    if (!warm) std::filesystem::remove_all(cache.folder());
    expect_same(load_on(threads), decoded);
    if (threads == 3) {
      EXPECT_TRUE(std::filesystem::exists(picture_cache_entry(cache.folder(), picture_cache_key(big2))));
    }
  }
}

TEST_F(SkinLoader, NamesInAnotherCaseAreFound) {
  write_skin("[IMAGE5]\nFILENAME=BTN_POWER_TOP.PNG\nwidth=40\n");
  ASSERT_TRUE(load(false));
  ASSERT_TRUE(board[btn_power_top].picture);
  EXPECT_NE(board[btn_power_top].picture, placeholder_picture());
  EXPECT_EQ(board[btn_power_top].width, 40);
}

TEST_F(SkinLoader, AMissingDescriptionSaysSoWithThePathAsConfiguredAndOnlyShowsTheMenuButton) {
  skin = {"Graphics\\Skin3\\", "Nameless Skin", "Skin.ini", "SkinPreview.png"};
  board.set_box(btn_power_top, 1, 2, 3, 4);
  window.client_width = 77;
  EXPECT_FALSE(load(true));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Skin configuration file (Graphics\\Skin3\\Skin.ini) not found. Please reinstall the skin.");
  EXPECT_TRUE(termination_requested());
  expect_box(btn_power_top, 1, 2, 3, 4);
  EXPECT_EQ(window.client_width, 77);
  EXPECT_TRUE(board[btn_game_menu_top].visible);
  expect_box(btn_game_menu_background, 0, 0, kGameMenuButtonWidth, kGameMenuButtonHeight);
}

TEST_F(SkinLoader, NoChosenSkinIsAMissingDescription) {
  SkinLoadRequest r;
  r.data_folder = data.path();
  EXPECT_FALSE(gfxinit(r, board, window));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Skin configuration file () not found. Please reinstall the skin.");
}

// Play reads the description before sound has started and the load says what
// there is to say: the same box, the same lines, the same look as reading it then.
TEST_F(SkinLoader, ADescriptionReadAheadSaysWhatReadingItAtTheLoadSays) {
  const char* descriptions[] = {nullptr, "", "[Other]\nkey=1\n", "[Common]\nGameWidth=90000\n",
                                "[Shaped]\nTranspColor=pink\n"};
  for (const char* ini : descriptions) {
    SCOPED_TRACE(ini ? ini : "(no file)");
    std::vector<std::string> said[2];
    std::uint32_t colour[2] = {};
    for (bool ahead : {false, true}) {
      std::filesystem::remove_all(data / "Graphics");
      if (ini) write_skin(ini);
      messages.clear();
      testing::internal::CaptureStderr();
      const bool loaded = load(false, 1920, 1080, 1, nullptr, ahead);
      said[ahead] = messages;
      said[ahead].push_back(testing::internal::GetCapturedStderr());
      said[ahead].push_back(loaded ? "loaded" : "not loaded");
      colour[ahead] = window.colour;
    }
    EXPECT_EQ(said[true], said[false]);
    EXPECT_EQ(colour[true], colour[false]);
  }
}

TEST_F(SkinLoader, AColourThatIsNotANumberTakesItsDefaultWithALine) {
  write_skin("[Shaped]\nTranspColor=pink\n");
  testing::internal::CaptureStderr();
  ASSERT_TRUE(load(false));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(colour_to_rgb(window.colour), 0xFF00FFu);
  EXPECT_EQ(said, "Graphics\\Skin1\\Skin.ini: [Shaped] TranspColor \"pink\" is not a colour; $00ff00ff is used\n");
}

// Redrawing the elements that changed gives the frame a whole repaint gives, when
// what is redrawn is many boxes apart, over pictures with alpha, a keyed one and
// the full-screen backdrop drawn centred.
TEST_F(SkinLoader, ARepaintOfTheChangedElementsGivesTheFrameOfAWholeRepaint) {
  test::write_test_skin(data.path(), 1);
  for (const bool fullscreen : {false, true}) {
    SCOPED_TRACE(fullscreen ? "full screen" : "windowed");
    board = SpriteBoard();
    for (ElementId id = 0; id < kElementCount; ++id) board.show(id, id % 3 != 0);
    ASSERT_TRUE(load(fullscreen, 800, 600));
    // Boxes small enough that together they stay many apart.
    auto small = [&](ElementId id) {
      return board[id].width * board[id].height * 50 <= window.client_width * window.client_height;
    };
    // A see-through element's picture without alpha: keyed by its colour.
    ElementId keyed = 0;
    while (!board[keyed].transparent || !board[keyed].picture || !small(keyed)) ++keyed;
    auto opaque = std::make_shared<Picture>(*board[keyed].picture);
    opaque->has_alpha = false;
    board.set_picture(keyed, opaque);
    // The element drawn last shows a picture whose every pixel differs; it moves.
    const ElementId top = drawing_order().back();
    auto pattern = std::make_shared<Picture>(test::solid_picture(40, 30, 0, true));
    for (std::size_t i = 0; i < pattern->argb.size(); ++i)
      pattern->argb[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2311);
    board.set_picture(top, pattern);
    board.set_box(top, 100, 120, 40, 30);
    board.show(top, true);
    ConsoleFrame step(false);
    step.repaint_all(board, window);

    std::bitset<kElementCount> changed;
    for (ElementId id = 0; id < kSkinElementCount; id += 5) {
      if (!small(id)) continue;
      board.show(id, !board[id].visible);
      changed.set(id);
    }
    board.show(keyed, true);
    changed.set(keyed);
    board.set_box(top, 107, 123, 40, 30);
    changed.set(top);
    QRegion redrawn;
    step.repaint(board, changed, window, redrawn);
    EXPECT_GT(redrawn.rectCount(), 10);
    int misplaced = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) misplaced += step.image().pixel(107 + x, 123 + y) != pattern->pixel(x, y);
    EXPECT_EQ(misplaced, 0);

    ConsoleFrame whole(false);
    whole.repaint_all(board, window);
    EXPECT_TRUE(step.image() == whole.image());
  }
}

// The window's shape from the key colour: exactly the key-coloured pixels are cut
// away, whatever the row's width; a shape in too many pieces keeps the window whole.
TEST(ConsoleFrameShape, CutsExactlyTheKeyColouredPixelsAndKeepsAShapeInTooManyPiecesWhole) {
  struct Case {
    const char* what;
    int width, height;
    bool (*keyed)(int x, int y);
    ConsoleFrame::Shape want;
  };
  const Case cases[] = {
      {"scattered holes, a width of 37", 37, 5, [](int x, int y) { return (x * 7 + y * 3) % 11 == 0; },
       ConsoleFrame::Shape::Cut},
      {"the first and last columns", 17, 3, [](int x, int) { return x == 0 || x == 16; }, ConsoleFrame::Shape::Cut},
      {"runs across whole bytes", 64, 2, [](int x, int y) { return x >= 5 + y && x < 40; }, ConsoleFrame::Shape::Cut},
      {"nothing keyed", 9, 9, [](int, int) { return false; }, ConsoleFrame::Shape::Cut},
      {"a keyed band 300 pixels wide: 400 pieces", 800, 400, [](int x, int) { return x < 300; },
       ConsoleFrame::Shape::Cut},
      {"stripes two pixels wide: 80000 pieces", 800, 400, [](int x, int) { return x / 2 % 2 == 1; },
       ConsoleFrame::Shape::Whole},
      {"a checkerboard of 160000 pieces", 800, 400, [](int x, int y) { return (x + y) % 2 == 0; },
       ConsoleFrame::Shape::Whole},
  };
  const std::uint32_t key = 0x00FF00FF;  // as skin files write it: magenta
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto picture = std::make_shared<Picture>();
    picture->width = c.width;
    picture->height = c.height;
    picture->has_alpha = true;  // opaque all the same: no colour of its own is see-through
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) picture->argb.push_back(c.keyed(x, y) ? 0xFFFF00FFu : 0xFF203040u);
    SpriteBoard board;
    board.set_picture(im_background, picture);
    board.set_box(im_background, 0, 0, c.width, c.height);
    board.show(im_background, true);
    ConsoleWindowLook look;
    look.client_width = c.width;
    look.client_height = c.height;
    look.colour = key;
    look.colour_key = true;
    ConsoleFrame frame(false);
    testing::internal::CaptureStderr();
    EXPECT_EQ(frame.repaint_all(board, look), c.want);
    testing::internal::GetCapturedStderr();
    int wrong = 0;
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) wrong += (frame.shape().pixelIndex(x, y) == 1) != c.keyed(x, y);
    EXPECT_EQ(wrong, 0);
  }
}

}  // namespace
}  // namespace vx
