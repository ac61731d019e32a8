#include "platform/x11_key_repeat.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#if VORNIX_HAVE_XCB_XKB
// xkb.h names a field "explicit", a C++ keyword.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

#include <qguiapplication_platform.h>
#endif

namespace vx {

KeyRepeat use_detectable_auto_repeat() {
#if VORNIX_HAVE_XCB_XKB
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c) return KeyRepeat::NotX11;
  bool on = false;
  if (auto* use = xcb_xkb_use_extension_reply(c, xcb_xkb_use_extension(c, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
                                              nullptr)) {
    if (use->supported) {
      constexpr std::uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
      auto* reply = xcb_xkb_per_client_flags_reply(
          c, xcb_xkb_per_client_flags(c, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0), nullptr);
      on = reply && (reply->value & flag);
      std::free(reply);
    }
    std::free(use);
  }
  if (on) return KeyRepeat::Detectable;
  std::fputs(
      "vornix-simulator: the X server cannot report held keys without repeated releases; "
      "a held key may count as several presses\n",
      stderr);
  return KeyRepeat::Refused;
#else
  return KeyRepeat::NotX11;
#endif
}

}  // namespace vx
