// The display's costs, on the bundled skins of the build's data folder: the skin
// loader (read and place every element, windowed and full screen on a
// 1920 x 1080 screen), with the picture cache on and warm as the program has it
// from its second start, and with it off (every picture decoded); and painting
// the console into the window's back buffer, whole and for one changed cell,
// with the console in its demonstration.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <string>
#include <system_error>

#include "display/board_painter.h"
#include "display/form_design.h"
#include "display/gfxinit.h"
#include "game/console_state.h"
#include "platform/data_folder.h"
#include "platform/ini_file.h"
#include "platform/picture_cache.h"
#include "skin/skin_list.h"

namespace vx {
namespace {

const std::filesystem::path kData = VORNIX_DATA_DIR;

SkinList bundled_skins() {
  IniFile config;
  config.load(kData / "Config.ini");
  return read_skin_list(config);
}

// A 1920 x 1080 screen.
SkinLoadRequest request_for(const SkinRecord& skin, bool fullscreen) { return {&skin, fullscreen, 1920, 1080, kData}; }

// The picture cache of this run, in a temporary folder removed at its end.
struct BenchCache {
  std::filesystem::path folder;
  BenchCache() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vornix-bench-XXXXXX").string();
    if (mkdtemp(pattern.data())) folder = std::filesystem::path(pattern) / "pictures";
  }
  ~BenchCache() {
    std::error_code ec;
    if (!folder.empty()) std::filesystem::remove_all(folder.parent_path(), ec);
  }
};

void BM_SkinLoad(benchmark::State& state, SkinRecord skin, bool fullscreen, bool cached) {
  static const BenchCache cache;
  use_picture_cache(cached ? cache.folder : std::filesystem::path());
  if (cached) {  // the first start fills the cache
    SpriteBoard board;
    ConsoleWindowLook look;
    gfxinit(request_for(skin, fullscreen), board, look);
  }
  for (auto _ : state) {
    SpriteBoard board;
    ConsoleWindowLook look;
    if (!gfxinit(request_for(skin, fullscreen), board, look)) state.SkipWithError("the skin does not load");
    benchmark::DoNotOptimize(board);
  }
  use_picture_cache({});
}

// A console as the window holds it: the skin loaded, powered on, 8 s into the
// demonstration (virtual time).
struct ShownConsole {
  Console k;
  ConsoleWindowLook look;
  QImage frame;
  BoardPainter painter;

  ShownConsole(const SkinRecord& skin, bool fullscreen) {
    for (ElementId id = 0; id < kElementCount; ++id) k.board.show(id, visible_at_creation(id));
    k.FormCreate();
    k.random.seed(1);
    k.CtrlrOverlay = true;
    k.assign_keys(kDefaultKeyIndex);
    k.Vid_Display_Ctrl_Overlay();
    gfxinit(request_for(skin, fullscreen), k.board, look);
    k.inp_power_down();
    k.timers.advance(8000);
    frame = QImage(look.client_width, look.client_height, QImage::Format_ARGB32_Premultiplied);
    paint(QRegion(frame.rect()));  // pictures converted once, as the window does
  }
  void paint(const QRegion& region) {
    painter.paint(frame, region, k.board, QColor::fromRgb(colour_to_rgb(look.colour)), look.backdrop_stretch);
  }
};

void BM_PaintWhole(benchmark::State& state, SkinRecord skin, bool fullscreen) {
  ShownConsole shown(skin, fullscreen);
  const QRegion all(shown.frame.rect());
  for (auto _ : state) {
    shown.paint(all);
    benchmark::DoNotOptimize(shown.frame.constBits());
  }
}

void BM_PaintOneCell(benchmark::State& state, SkinRecord skin, bool fullscreen) {
  ShownConsole shown(skin, fullscreen);
  const ElementId cell = shown.k.EnemySprite[3][5];
  for (auto _ : state) {
    // What the window does when one cell lights or darkens: the changed box only.
    shown.k.board.show(cell, !shown.k.board[cell].visible);
    const Sprite& s = shown.k.board[cell];
    shown.paint(QRegion(s.left, s.top, s.width, s.height));
    benchmark::DoNotOptimize(shown.frame.constBits());
  }
}

void register_all() {
  static const SkinList skins = bundled_skins();
  for (int n = 1; n <= skins.SkinCount; ++n) {
    const SkinRecord& skin = *skins.at(n);
    const std::string name = "Skin" + std::to_string(n);
    for (bool fullscreen : {false, true}) {
      const std::string mode = fullscreen ? "/fullscreen" : "/windowed";
      benchmark::RegisterBenchmark(("skin_load/" + name + mode).c_str(), BM_SkinLoad, skin, fullscreen, true)
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark(("skin_load_uncached/" + name + mode).c_str(), BM_SkinLoad, skin, fullscreen, false)
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark(("paint_whole/" + name + mode).c_str(), BM_PaintWhole, skin, fullscreen)
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark(("paint_cell/" + name + mode).c_str(), BM_PaintOneCell, skin, fullscreen)
          ->Unit(benchmark::kMillisecond);
    }
  }
}

}  // namespace
}  // namespace vx

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  vx::register_all();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
