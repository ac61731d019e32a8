#include "support/installation.h"

#include <stdexcept>
#include <system_error>

#include "display/gfxinit.h"
#include "platform/data_folder.h"
#include "platform/ini_file.h"
#include "support/temp_dir.h"

namespace vx::test {

const std::filesystem::path& installation() {
  static TempDir copy;
  static const bool made = [] {
    namespace fs = std::filesystem;
    const fs::path from = VORNIX_DATA_DIR;
    for (const char* name : {"Config.ini", "Readme.txt", "Whatsnew.txt", "Graphics", "Sound"})
      fs::copy(from / name, copy / name, fs::copy_options::recursive);
    return true;
  }();
  (void)made;
  return copy.path();
}

std::filesystem::path installed(const std::string& configured) { return resolve_path(configured, installation()); }

std::vector<std::string> bundled_skin_folders() {
  IniFile config;
  config.load(std::filesystem::path(VORNIX_DATA_DIR) / "Config.ini");
  std::vector<std::string> folders;
  const int count = config.read_int("Common", "Skins", 0);
  for (int n = 1; n <= count; ++n) folders.push_back(config.read_text("Skin" + std::to_string(n), "Path", ""));
  return folders;
}

bool load_installed_skin(const std::string& folder, bool fullscreen, SpriteBoard& board) {
  const SkinRecord skin{folder, "", "Skin.ini", "SkinPreview.png"};
  ConsoleWindowLook look;
  return gfxinit({&skin, fullscreen, 1920, 1080, installation()}, board, look);
}

MissingFile::MissingFile(std::filesystem::path file) : file_(std::move(file)), kept_(file_.string() + ".kept") {
  std::filesystem::rename(file_, kept_);
}

MissingFile::~MissingFile() {
  std::error_code ec;
  std::filesystem::rename(kept_, file_, ec);
}

ReplacedFile::ReplacedFile(std::filesystem::path file, const Bytes& bytes) : original_(file), written_{file} {
  write_file(file, bytes);
}

ReplacedFile::Remove::~Remove() {
  std::error_code ec;
  std::filesystem::remove(file, ec);
}

}  // namespace vx::test
