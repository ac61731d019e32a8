// Shared body of the picture fuzzers: decode, and check that what comes back is
// whole (the pixel count matches the size, within the limits).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "platform/picture_file.h"

template <typename Decode>
int fuzz_picture(const std::uint8_t* data, std::size_t size, Decode decode) {
  std::string error;
  const auto picture = decode(std::span<const std::uint8_t>(data, size), error, vx::PictureLimit{});
  if (picture) {
    const auto pixels = static_cast<std::int64_t>(picture->width) * picture->height;
    if (picture->width < 1 || picture->height < 1 || pixels > vx::kMaxPicturePixels ||
        static_cast<std::int64_t>(picture->argb.size()) != pixels)
      std::abort();
  } else if (error.empty()) {
    std::abort();  // a refusal always says why
  }
  return 0;
}
