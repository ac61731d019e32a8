#include "support/hostile_pictures.h"

#include <zlib.h>

#include <stdexcept>

namespace vx::test {
namespace {

void put_be32(Bytes& b, std::uint32_t v) {
  for (int i = 3; i >= 0; --i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void put_le32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// The position of the first or the last JPEG marker `code` (0xFF code). Inside
// entropy-coded data a 0xFF byte is always followed by 0x00, so this finds markers only.
std::size_t find_marker(const Bytes& b, std::uint8_t code, bool last = false) {
  std::size_t found = b.size();
  for (std::size_t i = 2; i + 1 < b.size(); ++i)
    if (b[i] == 0xFF && b[i + 1] == code) {
      found = i;
      if (!last) break;
    }
  if (found == b.size()) throw std::runtime_error("JPEG marker not found");
  return found;
}

Bytes cut_in_half(Bytes b) {
  b.resize(b.size() / 2);
  return b;
}

}  // namespace

Bytes png_declaring(std::uint32_t width, std::uint32_t height) {
  Bytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  auto chunk = [&](const char* type, const Bytes& data) {
    put_be32(b, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = b.size();
    b.insert(b.end(), type, type + 4);
    b.insert(b.end(), data.begin(), data.end());
    put_be32(b, static_cast<std::uint32_t>(crc32(0, b.data() + start, static_cast<uInt>(b.size() - start))));
  };
  Bytes header;
  put_be32(header, width);
  put_be32(header, height);
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  chunk("IHDR", header);
  // The first rows: zeros, which deflate to almost nothing.
  const Bytes rows(240'000, 0);
  uLongf packed_size = compressBound(static_cast<uLong>(rows.size()));
  Bytes packed(packed_size);
  compress2(packed.data(), &packed_size, rows.data(), static_cast<uLong>(rows.size()), 9);
  packed.resize(packed_size);
  chunk("IDAT", packed);
  chunk("IEND", {});
  return b;
}

std::vector<HostilePicture> hostile_pictures() {
  std::vector<HostilePicture> all;
  all.push_back({"huge.png", "a PNG declaring 60000 x 60000", "60000 x 60000", png_declaring(60000, 60000)});

  // A small PNG with a text chunk before IEND that claims almost 2 GB.
  Bytes claim = encode_png(solid_picture(2, 2, 0xFF102030));
  Bytes text;
  put_be32(text, 0x7A000025u);
  text.insert(text.end(), {'t', 'E', 'X', 't', 'd', 'a', 't', 'e', 0, '2', '0', '2', '6'});
  claim.insert(claim.end() - 12, text.begin(), text.end());
  all.push_back({"claim.png", "a PNG whose text chunk claims 2 GB", "runs past the end", claim});

  // A small JPEG whose frame header then claims 65500 x 65500.
  Bytes jpeg = encode_jpeg(solid_picture(16, 16, 0xFF3366CC));
  const std::size_t sof = find_marker(jpeg, 0xC0);
  for (std::size_t at : {sof + 5, sof + 7}) jpeg[at] = 0xFF, jpeg[at + 1] = 0xDC;
  all.push_back({"huge.jpg", "a JPEG declaring 65500 x 65500", "65500 x 65500", jpeg});

  // A small JPEG whose frame header claims 16000 x 2500: its data runs out after
  // the first few blocks (libjpeg would pad the rest with grey and only warn).
  Bytes claims = encode_jpeg(solid_picture(16, 16, 0xFF3366CC));
  const std::size_t frame = find_marker(claims, 0xC0);
  claims[frame + 5] = 0x09, claims[frame + 6] = 0xC4;  // 2500 rows
  claims[frame + 7] = 0x3E, claims[frame + 8] = 0x80;  // 16000 columns
  all.push_back({"claims.jpg", "a JPEG declaring 16000 x 2500 over 16 x 16 pixels of data", "damaged JPEG", claims});

  // A progressive JPEG whose last scan repeats 5000 times.
  Bytes progressive = encode_jpeg(solid_picture(256, 256, 0xFF808080), true);
  const std::size_t last_scan = find_marker(progressive, 0xDA, true);
  const std::size_t eoi = progressive.size() - 2;
  const Bytes scan(progressive.begin() + static_cast<std::ptrdiff_t>(last_scan),
                   progressive.begin() + static_cast<std::ptrdiff_t>(eoi));
  Bytes scans(progressive.begin(), progressive.begin() + static_cast<std::ptrdiff_t>(eoi));
  for (int i = 0; i < 5000; ++i) scans.insert(scans.end(), scan.begin(), scan.end());
  scans.insert(scans.end(), {0xFF, 0xD9});
  all.push_back({"scans.jpg", "a progressive JPEG with 5000 scans", "progressive scans", scans});

  // BMP headers: the width at byte 18, the height at byte 22.
  const Bytes bmp = encode_bmp(solid_picture(4, 4, 0xFF00FF00));
  Bytes negative = bmp;
  put_le32(negative, 18, static_cast<std::uint32_t>(-64));
  all.push_back({"negative.bmp", "a BMP with a negative width", "no pixels", negative});
  Bytes most_negative = bmp;
  put_le32(most_negative, 22, 0x80000000u);
  all.push_back({"upside.bmp", "a BMP with the most negative height", "2147483648", most_negative});
  Bytes huge = bmp;
  put_le32(huge, 18, 100000);
  put_le32(huge, 22, 100000);
  all.push_back({"huge.bmp", "a BMP declaring 100000 x 100000", "100000 x 100000", huge});

  // Noisy, so that most of each file is pixel data and the cut falls inside it.
  Picture whole = solid_picture(64, 64, 0);
  for (std::size_t i = 0; i < whole.argb.size(); ++i) whole.argb[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u >> 8);
  all.push_back({"cut.png", "a PNG cut off halfway", "damaged PNG", cut_in_half(encode_png(whole))});
  all.push_back({"cut.jpg", "a JPEG cut off halfway", "truncated JPEG", cut_in_half(encode_jpeg(whole))});
  all.push_back({"cut.bmp", "a BMP cut off halfway", "truncated BMP", cut_in_half(encode_bmp(whole))});
  return all;
}

}  // namespace vx::test
