// Fuzzes the INI reader with untrusted Config.ini / Skin.ini text, reading the keys
// the program reads.
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_folder.h"
#include "platform/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path path = fuzz_folder() / "Config.ini";
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  vx::IniFile ini;
  std::string error;
  if (!ini.load(path, error) && error.empty()) std::abort();  // a refusal always says why
  (void)ini.read_int("Common", "Skins", 2);
  (void)ini.read_text("Skin1", "Path", "Graphics\\Skin1\\");
  (void)ini.read_int("manual", "MANUALHEIGHT", 675);
  (void)ini.read_text("Fullscreen", "GameOffsetX", "Center");
  (void)ini.read_int("Image173", "Width", 0);
  (void)vx::parse_ini_int(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
