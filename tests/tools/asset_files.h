// Reading the generated installation data in the tests, independently of the
// generator: the data folder under test, INI files, PNG files through libpng's
// own simplified reader and BMP headers.
#pragma once

#include <SimpleIni.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vx::assets::test {

// The folder make-assets wrote for the tests (ASSETS_TEST_DIR).
std::filesystem::path data_dir();
// A Windows-style path from an INI file ("Graphics\Skin1\") inside `base`.
std::filesystem::path windows_path(const std::filesystem::path& base, const std::string& text);

std::unique_ptr<CSimpleIniA> load_ini(const std::filesystem::path& file);

struct Png {
  int width = 0, height = 0;
  bool alpha = false;                    // the file has an alpha channel
  std::vector<std::uint8_t> rgba;        // width * height * 4
  std::uint32_t at(int x, int y) const;  // 0xAARRGGBB
};
std::optional<Png> read_png_file(const std::filesystem::path& file);

struct BmpHeader {
  int width = 0, height = 0, bits = 0;
  std::uintmax_t file_size = 0, pixel_offset = 0;
};
std::optional<BmpHeader> read_bmp_header(const std::filesystem::path& file);

// The installed skins' folders, from Config.ini.
std::vector<std::filesystem::path> skin_folders();

}  // namespace vx::assets::test
