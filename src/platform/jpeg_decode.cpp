// JPEG through libjpeg. libjpeg reports faults by calling error_exit, which must
// not return; ours jumps back to the guarded call, and so does a warning that the
// data is corrupt (libjpeg would go on and pad the picture with grey). The guarded
// functions below hold only plain data (no object with a destructor lives across
// the jump); the pixels are appended row by row as they are decoded, into room
// reserved once the declared size has passed, so a picture that breaks off early
// never costs its whole size.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include "platform/picture_file.h"

namespace vx {
namespace {

// Progressive files can demand unbounded work, scan after scan.
constexpr int kMaxScans = 100;

struct ErrorManager {
  jpeg_error_mgr pub;  // first: libjpeg sees only this part
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool ended_early;  // the file stops before the picture does
};

void on_error_exit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Most warnings are not worth a line; those that say the data is cut short or
// corrupt end the decoding as faults.
void on_emit_message(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  ++cinfo->err->num_warnings;
  switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
      reinterpret_cast<ErrorManager*>(cinfo->err)->ended_early = true;
      on_error_exit(cinfo);
      break;
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
      on_error_exit(cinfo);
      break;
    default:
      break;
  }
}

void on_progress(j_common_ptr cinfo) {
  auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (d->input_scan_number > kMaxScans) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::snprintf(err->message, sizeof err->message, "more than %d progressive scans", kMaxScans);
    std::longjmp(err->jump, 1);
  }
}

struct Decoder {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  jpeg_progress_mgr progress;
};

// Reads the header and starts decompression. False on a fault (message in d.err).
bool start(Decoder& d, const std::uint8_t* data, std::size_t size) {
  if (setjmp(d.err.jump)) return false;
  jpeg_mem_src(&d.cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&d.cinfo, TRUE);
  const bool cmyk = d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK;
  d.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  d.progress.progress_monitor = on_progress;
  d.cinfo.progress = &d.progress;
  return true;
}

bool begin_output(Decoder& d) {
  if (setjmp(d.err.jump)) return false;
  jpeg_start_decompress(&d.cinfo);
  return true;
}

// Appends one decoded row (3 or 4 bytes a pixel) to `argb` as 0xAARRGGBB words.
void append_row(const std::uint8_t* row, std::size_t width, int components, bool adobe_inverted, Pixels& argb) {
  const std::size_t at = argb.size();
  argb.resize(at + width);
  std::uint32_t* out = argb.data() + at;
  for (std::size_t x = 0; x < width; ++x, row += components) {
    std::uint32_t r, g, b;
    if (components == 3) {
      r = row[0], g = row[1], b = row[2];
    } else {
      // CMYK: Adobe writes the inks inverted.
      const std::uint32_t c = adobe_inverted ? row[0] : 255u - row[0], m = adobe_inverted ? row[1] : 255u - row[1],
                          y = adobe_inverted ? row[2] : 255u - row[2], k = adobe_inverted ? row[3] : 255u - row[3];
      r = c * k / 255, g = m * k / 255, b = y * k / 255;
    }
    out[x] = 0xFF000000u | r << 16 | g << 8 | b;
  }
}

// Decodes every row into `row` (output_components bytes a pixel) and appends it
// to `argb`, whose room is reserved.
bool read_rows(Decoder& d, std::uint8_t* row, Pixels& argb) {
  if (setjmp(d.err.jump)) return false;
  while (d.cinfo.output_scanline < d.cinfo.output_height) {
    JSAMPROW rows[1] = {row};
    jpeg_read_scanlines(&d.cinfo, rows, 1);
    append_row(row, d.cinfo.output_width, d.cinfo.output_components, d.cinfo.saw_Adobe_marker, argb);
  }
  jpeg_finish_decompress(&d.cinfo);
  return true;
}

}  // namespace

NewPicture decode_jpeg(std::span<const std::uint8_t> bytes, std::string& error, const PictureLimit& limit) {
  Decoder d{};
  d.cinfo.err = jpeg_std_error(&d.err.pub);
  d.err.pub.error_exit = on_error_exit;
  d.err.pub.emit_message = on_emit_message;
  jpeg_create_decompress(&d.cinfo);
  struct Release {
    Decoder& d;
    ~Release() { jpeg_destroy_decompress(&d.cinfo); }
  } release{d};

  auto fail = [&](const char* what) {
    error = d.err.ended_early ? "a truncated JPEG picture" : std::string(what) + " (" + d.err.message + ")";
    return nullptr;
  };
  if (!start(d, bytes.data(), bytes.size())) return fail("not a readable JPEG picture");
  if (!picture_size_allowed(d.cinfo.image_width, d.cinfo.image_height, error, limit)) return nullptr;
  if (!begin_output(d)) return fail("a damaged JPEG picture");

  const int components = d.cinfo.output_components;
  const std::size_t width = d.cinfo.output_width, height = d.cinfo.output_height;
  if (!picture_size_allowed(static_cast<std::int64_t>(width), static_cast<std::int64_t>(height), error, limit) ||
      (components != 3 && components != 4)) {
    if (error.empty()) error = "a JPEG picture in an unknown colour layout";
    return nullptr;
  }
  auto picture = std::make_shared<Picture>();
  picture->width = static_cast<int>(width);
  picture->height = static_cast<int>(height);
  picture->argb.reserve(width * height);
  std::vector<std::uint8_t> row(width * static_cast<std::size_t>(components));
  if (!read_rows(d, row.data(), picture->argb)) return fail("a damaged JPEG picture");
  return picture;
}

}  // namespace vx
