// Shared by the sound tests: temporary folders, the fourteen effects freshly
// generated once per test program, a temporary settings store, and reading back a
// WAV file or the disk driver's mix as 16-bit samples.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/sound_sink.h"

namespace vx::test {

using Samples = std::vector<std::int16_t>;

// The folder "Sound" written by the effects generator, in a temporary folder that
// lives as long as the test program.
const std::filesystem::path& generated_sound_folder();
// A fresh copy of it in `dir`, to damage.
std::filesystem::path copy_sound_folder(const std::filesystem::path& dir);

// The samples of a 16-bit mono WAV file as SDL decodes it; fails the test on
// another format.
Samples decode_wav(const std::filesystem::path& file);
Samples effect_samples(Effect e);
int frames_of_ms(int ms);

// What SDL's disk driver wrote (the mix: 16-bit mono).
Samples read_disk_mix(const std::filesystem::path& file);
// The first position at or after `from` where `mix` holds the start of `effect`
// exactly (256 samples of it); -1 when nowhere.
long find_effect(const Samples& mix, const Samples& effect, long from = 0);
// True when mix[from, to) is all zero.
bool silent(const Samples& mix, long from, long to);

// Every test gets its own temporary folder, a settings store in it (never the
// user's), and the sound library closed at its end.
class SoundTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::filesystem::path tmp() const { return dir_.path().toStdString(); }
  // The raw text of a value in the store ("" when absent).
  std::string stored(const char* name) const;
  void store_raw(const char* name, const char* text) const;
  // Sends the mix to `tmp()/mix.raw` through SDL's disk driver, a few times
  // faster than real time.
  std::filesystem::path use_disk_driver() const;

 private:
  QTemporaryDir dir_;
  std::string driver_before_;
};

}  // namespace vx::test
