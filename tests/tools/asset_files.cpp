#include "asset_files.h"

#include <png.h>

#include <cstdlib>
#include <fstream>

namespace vx::assets::test {

std::filesystem::path data_dir() {
  const char* dir = std::getenv("ASSETS_TEST_DIR");
  return dir ? dir : "";
}

std::filesystem::path windows_path(const std::filesystem::path& base, const std::string& text) {
  std::filesystem::path p = base;
  std::string part;
  for (char ch : text + "\\") {
    if (ch == '\\') {
      if (!part.empty()) p /= part;
      part.clear();
    } else {
      part += ch;
    }
  }
  return p;
}

std::unique_ptr<CSimpleIniA> load_ini(const std::filesystem::path& file) {
  auto ini = std::make_unique<CSimpleIniA>();
  if (ini->LoadFile(file.c_str()) < 0) return nullptr;
  return ini;
}

std::uint32_t Png::at(int x, int y) const {
  const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
  return std::uint32_t(p[3]) << 24 | std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
}

std::optional<Png> read_png_file(const std::filesystem::path& file) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, file.c_str())) return std::nullopt;
  Png png;
  png.width = static_cast<int>(image.width);
  png.height = static_cast<int>(image.height);
  png.alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = PNG_FORMAT_RGBA;
  png.rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, png.rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return png;
}

std::optional<BmpHeader> read_bmp_header(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  unsigned char h[54] = {};
  if (!in.read(reinterpret_cast<char*>(h), sizeof h) || h[0] != 'B' || h[1] != 'M') return std::nullopt;
  auto u32 = [&](int at) {
    return std::uint32_t(h[at]) | h[at + 1] << 8 | h[at + 2] << 16 | std::uint32_t(h[at + 3]) << 24;
  };
  BmpHeader b;
  b.width = static_cast<std::int32_t>(u32(18));
  b.height = static_cast<std::int32_t>(u32(22));
  b.bits = h[28] | h[29] << 8;
  b.pixel_offset = u32(10);
  b.file_size = std::filesystem::file_size(file);
  return b;
}

std::vector<std::filesystem::path> skin_folders() {
  std::vector<std::filesystem::path> out;
  const auto ini = load_ini(data_dir() / "Config.ini");
  if (!ini) return out;
  const long n = ini->GetLongValue("Common", "Skins", 0);
  for (long i = 1; i <= n; ++i) {
    const std::string section = "Skin" + std::to_string(i);
    out.push_back(windows_path(data_dir(), ini->GetValue(section.c_str(), "Path", "")));
  }
  return out;
}

}  // namespace vx::assets::test
