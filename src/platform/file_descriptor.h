// Files read through their descriptors: a few system calls each and no stream
// buffers, for the many small files a skin is made of.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace vx {

// An open file descriptor, closed with its scope.
struct Fd {
  int fd = -1;
  explicit Fd(int opened) : fd(opened) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

// Reads exactly `n` bytes at `offset`; false when the file ends first or fails.
inline bool read_at(int fd, void* into, std::size_t n, off_t offset) {
  auto* at = static_cast<char*>(into);
  while (n > 0) {
    const ssize_t got = ::pread(fd, at, n, offset);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    at += got, n -= static_cast<std::size_t>(got), offset += got;
  }
  return true;
}

}  // namespace vx
