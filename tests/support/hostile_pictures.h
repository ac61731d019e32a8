// Hostile picture files, written by our own code: small files that declare huge
// pictures, demand endless work, or stop halfway. A skin may carry any of them;
// each must be refused quickly, without a large allocation. Shared by the fault
// tests (refused, the placeholder stands in, the file is named) and the benchmark
// (how long each refusal takes).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/picture_writers.h"

namespace vx::test {

struct HostilePicture {
  std::string file;  // a file name that says what it is
  std::string what;   // what makes it hostile
  std::string fault;  // part of what the refusal says
  Bytes bytes;
};

// A PNG with well-formed chunks that declares width x height, with a little data.
Bytes png_declaring(std::uint32_t width, std::uint32_t height);

// Every kind, one file each: a PNG declaring 60000 x 60000 in about 300 bytes, a
// JPEG declaring 65500 x 65500, a JPEG declaring 16000 x 2500 (within the limit of
// one picture) with the data of 16 x 16, a progressive JPEG with 5000 scans, BMPs with a
// negative width, the most negative height and a huge size, and a PNG, a JPEG and
// a BMP cut off halfway.
std::vector<HostilePicture> hostile_pictures();

}  // namespace vx::test
