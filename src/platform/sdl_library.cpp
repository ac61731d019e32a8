#include "platform/sdl_library.h"

#include <dlfcn.h>

#include <atomic>
#include <mutex>
#include <type_traits>

namespace vx {
namespace {

constexpr const char* kSdlSoname = "libSDL2-2.0.so.0";
constexpr const char* kMixerSoname = "libSDL2_mixer-2.0.so.0";

// One library: opened once, never closed (its threads and the memory it keeps
// live as long as the program).
template <class Functions>
struct Opened {
  std::once_flag once;
  Functions functions;
  bool ok = false;
  std::string why;
};

// Opens `soname` and takes each named function into `f`; false with dlerror's line
// (which names the library) on the first fault.
template <class Functions>
bool open_library(const char* soname, Functions& f, std::string& why) {
  void* handle = dlopen(soname, RTLD_LAZY | RTLD_LOCAL);
  bool ok = handle != nullptr;
#define VX_TAKE(name) \
  if (ok) ok = (f.name = reinterpret_cast<decltype(f.name)>(dlsym(handle, #name))) != nullptr;
  if constexpr (std::is_same_v<Functions, SdlMixerFunctions>) {
    VX_MIXER_FUNCTIONS(VX_TAKE)
  } else {
    VX_SDL_FUNCTIONS(VX_TAKE)
  }
#undef VX_TAKE
  if (!ok) {
    const char* error = dlerror();
    why = error ? error : std::string(soname) + " cannot be opened";
  }
  return ok;
}

Opened<SdlFunctions>& sdl = *new Opened<SdlFunctions>;
Opened<SdlMixerFunctions>& mixer = *new Opened<SdlMixerFunctions>;
std::atomic<bool> mixer_open{false};  // set once the mixer's table is complete

template <class Functions>
const Functions* answer(Opened<Functions>& lib, std::string* why) {
  if (!lib.ok && why) *why = lib.why;
  return lib.ok ? &lib.functions : nullptr;
}

}  // namespace

const SdlFunctions* sdl_library(std::string* why) {
  std::call_once(sdl.once, [] { sdl.ok = open_library(kSdlSoname, sdl.functions, sdl.why); });
  return answer(sdl, why);
}

const SdlMixerFunctions* sdl_mixer_library(std::string* why) {
  std::call_once(mixer.once, [] {
    const SdlFunctions* base = sdl_library(&mixer.why);
    if (!base) return;
    static_cast<SdlFunctions&>(mixer.functions) = *base;
    mixer.ok = open_library(kMixerSoname, mixer.functions, mixer.why);
    mixer_open = mixer.ok;
  });
  return answer(mixer, why);
}

const SdlMixerFunctions* sdl_mixer_if_loaded() {
  if (mixer_open) return &mixer.functions;
  void* present = dlopen(kMixerSoname, RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
  if (!present) return nullptr;
  dlclose(present);  // drops only the reference just taken
  return sdl_mixer_library();
}

}  // namespace vx
