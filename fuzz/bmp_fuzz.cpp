// Fuzzes the BMP decoder with untrusted bytes.
#include "picture_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz_picture(data, size, vx::decode_bmp);
}
