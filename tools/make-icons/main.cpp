// make-icons DIR: writes the program's icons for the installation, drawn by our
// own code: DIR/48x48/apps/ID.png, DIR/256x256/apps/ID.png and
// DIR/scalable/apps/ID.svg (the layout of the desktop's hicolor icon theme).
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "frontend/app_icon.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make-icons DIR ID\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  const std::filesystem::path dir = argv[1];
  const std::string id = argv[2];
  for (int size : {48, 256}) {
    const auto folder = dir / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    std::filesystem::create_directories(folder);
    const auto file = folder / (id + ".png");
    if (!vx::draw_app_icon(size).save(QString::fromStdString(file.string()), "PNG")) {
      std::fprintf(stderr, "make-icons: %s: cannot be written\n", file.c_str());
      return 1;
    }
  }
  const auto folder = dir / "scalable" / "apps";
  std::filesystem::create_directories(folder);
  std::ofstream svg(folder / (id + ".svg"));
  svg << vx::app_icon_svg();
  if (!svg) {
    std::fprintf(stderr, "make-icons: %s: cannot be written\n", (folder / (id + ".svg")).c_str());
    return 1;
  }
  return 0;
}
