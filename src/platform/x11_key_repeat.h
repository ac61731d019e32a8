// Held keys on an X server. By default the server repeats a held key as pairs of
// release and press, and Qt can tell such a release from a real one only when the
// matching press has already arrived; on a busy machine it often has not, and a
// held key looks released many times. XKB's "detectable auto-repeat" makes the
// server send the repeats as presses alone and one release when the key really
// goes up. Other platforms (Wayland, Windows, macOS) repeat presses only already.
#pragma once

namespace vx {

enum class KeyRepeat {
  NotX11,      // not on an X server: nothing to do
  Detectable,  // the server sends a release only when the key goes up
  Refused,     // the server cannot: auto-repeated releases rely on Qt's guess
};

// Asks the program's X connection for detectable auto-repeat (once the
// application exists). On refusal it says so once on standard error.
KeyRepeat use_detectable_auto_repeat();

}  // namespace vx
