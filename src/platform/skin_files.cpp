#include "platform/skin_files.h"

#include <system_error>

#include "platform/ini_file.h"
#include "platform/picture_file.h"

namespace vx {

std::optional<SkinDescription> read_skin_description_file(const std::filesystem::path& file, std::string& error) {
  std::string text;
  if (!read_ini_file_text(file, text, error)) return std::nullopt;
  return read_skin_description(text, error);
}

PictureRef SkinPictures::load(const std::filesystem::path& file, std::string& error) {
  std::error_code ec;
  std::filesystem::path key = std::filesystem::canonical(file, ec);
  if (ec) key = file;
  if (auto it = loaded_.find(key); it != loaded_.end()) {
    error = it->second.error;
    return it->second.picture;
  }
  const std::int64_t left = kMaxSkinPixels - pixels_;
  const PictureLimit limit{left, "the " + std::to_string(left) + " pixels left of the " +
                                     std::to_string(kMaxSkinPixels) + " that a skin's pictures may have together"};
  error.clear();
  PictureRef picture = decode_picture_file(file, error, limit);
  if (picture) pixels_ += std::int64_t{picture->width} * picture->height;
  passed_limit_ = passed_limit_ || error.ends_with(limit.over);
  loaded_[key] = {picture, error};
  return picture;
}

}  // namespace vx
