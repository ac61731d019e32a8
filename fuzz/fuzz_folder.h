// A temporary folder of the running fuzzer's own (under TMPDIR), made at first use
// and removed when the fuzzer ends, for the files a harness must write.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

inline const std::filesystem::path& fuzz_folder() {
  // Never destroyed: the removal at exit still needs the path.
  static const std::filesystem::path* folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "vornix-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(fuzz_folder(), ec);
    });
    return new std::filesystem::path(pattern);
  }();
  return *folder;
}
