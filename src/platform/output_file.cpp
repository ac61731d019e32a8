#include "platform/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace vx {

OutputFile::OutputFile(std::filesystem::path target, Flush flush) : target_(std::move(target)), flush_(flush) {
  const std::filesystem::path folder = target_.has_parent_path() ? target_.parent_path() : ".";
  std::string pattern = (folder / ("." + target_.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    failure_ = errno;
    return;
  }
  temporary_ = pattern;
  // mkstemp makes the file private; an output is as readable as any other new file.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  stream_ = ::fdopen(fd, "wb");
  if (!stream_) {
    failure_ = errno;
    ::close(fd);
  }
}

OutputFile::~OutputFile() {
  if (stream_) std::fclose(stream_);
  if (!committed_ && !temporary_.empty()) {
    std::error_code ec;
    std::filesystem::remove(temporary_, ec);
  }
}

bool OutputFile::commit(std::string& error) {
  int failure = failure_;
  if (stream_) {
    if (std::ferror(stream_) || std::fflush(stream_) != 0 ||
        (flush_ == Flush::to_disk && ::fsync(::fileno(stream_)) != 0))
      failure = errno ? errno : EIO;
    if (std::fclose(stream_) != 0 && !failure) failure = errno;
    stream_ = nullptr;
  }
  std::error_code ec;
  if (!failure) std::filesystem::rename(temporary_, target_, ec);
  if (ec) failure = ec.value();
  if (failure) {
    error = target_.string() + ": cannot be written (" + std::generic_category().message(failure) + ")";
    return false;
  }
  committed_ = true;
  return true;
}

bool write_output_file(const std::filesystem::path& target, std::string_view bytes, std::string& error) {
  OutputFile out(target);
  if (out.ok()) (void)std::fwrite(bytes.data(), 1, bytes.size(), out.stream());  // a short write fails the commit
  return out.commit(error);
}

}  // namespace vx
