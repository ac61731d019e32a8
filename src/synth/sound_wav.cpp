#include "synth/sound_wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/output_file.h"

namespace vx::assets {
namespace {

void put(std::string& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFFu);
}

}  // namespace

void write_wav(const std::filesystem::path& file, const Wave& wave) {
  constexpr std::uint32_t kChannels = 1, kBits = 16, kBlock = kChannels * kBits / 8;
  const auto data_bytes = static_cast<std::uint32_t>(wave.size() * kBlock);
  std::string out;
  out.reserve(44 + data_bytes);
  out += "RIFF";
  put(out, 36 + data_bytes, 4);
  out += "WAVEfmt ";
  put(out, 16, 4);
  put(out, 1, 2);  // PCM
  put(out, kChannels, 2);
  put(out, kSoundRate, 4);
  put(out, kSoundRate * kBlock, 4);
  put(out, kBlock, 2);
  put(out, kBits, 2);
  out += "data";
  put(out, data_bytes, 4);
  for (float x : wave) {
    const long s = std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f);
    put(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(s)) & 0xFFFFu, 2);
  }

  std::string error;
  if (!write_output_file(file, out, error)) throw std::runtime_error(error);
}

}  // namespace vx::assets
