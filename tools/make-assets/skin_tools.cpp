#include "skin_tools.h"

#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <string>

#include "compose.h"
#include "image_io.h"
#include "platform/skin_files.h"
#include "skin_check.h"
#include "skin_file.h"

namespace vx::assets {
namespace {

constexpr const char* kUsage =
    "usage: make-assets DATA_DIR\n"
    "       make-assets --check SKIN_FOLDER\n"
    "       make-assets --compose SKIN_FOLDER --state off|on|all|demo|phase4 --out FILE.png [--fullscreen WxH]\n"
    "                [--key checkerboard|transparent]\n";

int check(const std::string& folder) {
  const auto faults = check_skin(folder);
  for (const std::string& f : faults) std::cerr << folder << ": " << f << '\n';
  if (!faults.empty()) {
    std::cerr << folder << ": " << faults.size() << (faults.size() == 1 ? " fault\n" : " faults\n");
    return 1;
  }
  std::cout << folder << ": skin complete, all 173 pictures in place\n";
  return 0;
}

int compose(int argc, char** argv) {
  std::string folder = argv[2], state_name, out;
  QSize screen;
  bool key_transparent = false;  // the colour key as see-through pixels instead of a checkerboard
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string opt = argv[i], val = argv[i + 1];
    if (opt == "--state") {
      state_name = val;
    } else if (opt == "--out") {
      out = val;
    } else if (opt == "--key" && (val == "checkerboard" || val == "transparent")) {
      key_transparent = val == "transparent";
    } else if (opt == "--fullscreen") {
      const auto x = val.find('x');
      try {
        screen = QSize(std::stoi(val.substr(0, x)), std::stoi(val.substr(x + 1)));
      } catch (...) {
        screen = {};
      }
      std::string limit;
      if (x == std::string::npos || screen.width() <= 0 || screen.height() <= 0 ||
          !canvas_allowed(screen.width(), screen.height(), limit)) {
        std::cerr << "make-assets: --fullscreen wants a screen size like 1920x1080, not " << val << '\n';
        return 2;
      }
    } else {
      std::cerr << kUsage;
      return 2;
    }
  }
  const auto state = compose_state_by_name(state_name);
  if (!state || out.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  std::string error;
  const auto skin = read_skin_file(folder, "Skin.ini", error);
  if (!skin) {
    std::cerr << folder << ": " << error << '\n';
    return 1;
  }
  ComposeReport report;
  QImage frame;
  if (screen.isValid()) {
    frame = compose_fullscreen(*skin, *state, screen, &report);
  } else {
    const QColor key = parse_colour(skin->transp_color).value_or(QColor(255, 0, 255));
    frame = compose_window(*skin, *state, &report);
    frame = key_transparent ? key_as_transparent(frame, key) : key_as_checkerboard(frame, key);
  }
  const std::vector<std::string>& problems = report.problems;
  for (const std::string& p : problems) std::cerr << folder << ": " << p << '\n';
  if (report.passed_limit) {
    std::cerr << folder << ": the skin's pictures pass the program's limits; " << out << " is not written\n";
    return 1;
  }
  write_png(out, frame, key_transparent && !screen.isValid());
  return problems.empty() ? 0 : 1;
}

}  // namespace

void ensure_gui() {
  if (QGuiApplication::instance()) return;
  // Fonts need a GUI application; no window is ever opened.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "make-assets";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

int run_skin_tool(int argc, char** argv) {
  const std::string tool = argc >= 3 ? argv[1] : "";
  try {
    if (tool == "--check" && argc == 3) return check(argv[2]);
    if (tool == "--compose") {
      ensure_gui();
      return compose(argc, argv);
    }
  } catch (const std::exception& e) {
    std::cerr << "make-assets: " << e.what() << '\n';
    return 1;
  }
  std::cerr << kUsage;
  return 2;
}

}  // namespace vx::assets
