#include "platform/message_box.h"

#include <cstdio>
#include <string>
#include <utility>

namespace vx {
namespace {
ErrorBox& installed() {
  static ErrorBox box;
  return box;
}
thread_local std::string* held_lines = nullptr;
}  // namespace

void show_error_box(std::string_view text) {
  if (installed()) {
    installed()(text);
    return;
  }
  std::fprintf(stderr, "%s\n", std::string(text).c_str());
}

void set_error_box(ErrorBox box) { installed() = std::move(box); }

void say_line(std::string_view line) {
  if (held_lines)
    held_lines->append(line);
  else
    std::fwrite(line.data(), 1, line.size(), stderr);
}

void hold_lines(std::string* held) { held_lines = held; }

}  // namespace vx
