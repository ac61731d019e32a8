// make-assets DATA_DIR: generates the installation data into DATA_DIR.
// make-assets --check / --compose: the skin tools (skin_tools.h).
#include <exception>
#include <iostream>

#include "assets.h"
#include "skin_tools.h"

int main(int argc, char** argv) {
  if (argc >= 2 && argv[1][0] == '-') return vx::assets::run_skin_tool(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: make-assets DATA_DIR\n";
    return 2;
  }
  try {
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    vx::assets::write_sounds(dir);
    vx::assets::write_pictures(dir);
  } catch (const std::exception& e) {
    std::cerr << "make-assets: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
