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
}  // namespace

void show_error_box(std::string_view text) {
  if (installed()) {
    installed()(text);
    return;
  }
  std::fprintf(stderr, "%s\n", std::string(text).c_str());
}

void set_error_box(ErrorBox box) { installed() = std::move(box); }

}  // namespace vx
