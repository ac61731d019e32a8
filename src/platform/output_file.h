// An output file written whole or not at all (a composed picture, a screenshot, a
// rendered sound): the bytes go to a temporary file beside the target, are flushed
// to the disk, and only then take the target's name. Until then, and whenever
// something fails (a full disk, a folder that cannot be written), the target
// keeps what it held, and the temporary file is removed.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace vx {

// How far commit() takes the bytes before the rename: to the disk, so that the
// target survives a power cut whole; or only to the system, for files whose
// reader checks them anyway and would rather not wait for the disk (a cache).
enum class Flush { to_disk, to_system };

class OutputFile {
 public:
  // Creates the temporary file beside `target`; check ok() before writing.
  explicit OutputFile(std::filesystem::path target, Flush flush = Flush::to_disk);
  ~OutputFile();  // removes the temporary file unless committed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool ok() const { return stream_ != nullptr; }
  // The open temporary file, for the writer.
  std::FILE* stream() const { return stream_; }
  // Flushes the bytes (to the disk unless made with Flush::to_system) and renames
  // the temporary file to the target.
  // False with `error` (naming the target) when anything failed: the temporary
  // file could not be made, a write to the stream, the flush or the rename.
  bool commit(std::string& error);

 private:
  std::filesystem::path target_, temporary_;
  std::FILE* stream_ = nullptr;
  Flush flush_;
  int failure_ = 0;  // why the temporary file could not be made (errno)
  bool committed_ = false;
};

// Writes `bytes` to `target` through an OutputFile; false with `error` on failure.
bool write_output_file(const std::filesystem::path& target, std::string_view bytes, std::string& error);

}  // namespace vx
