// The console's sound: start-up with the launcher's output choice, the fourteen
// effects played on channel 0 of the FSOUND layer, and shutdown. The console core
// reaches it through SoundSink (Snd_Play, Snd_Silence).
#pragma once

#include <string_view>

#include "game/sound_sink.h"
#include "platform/settings.h"

namespace vx {

class Sound : public SoundSink {
 public:
  // Sound start-up. `choice` is the launcher's text: "(no sound)", "Windows
  // MultiMedia" or "Microsoft DirectSound". Writes SoundMode, then starts the
  // library and loads the fourteen samples. Returns false when the Bonus sample
  // could not be loaded, after showing the reinstall message and writing
  // SoundMode -1 and SplashScreen true; the caller then requests termination.
  bool start(std::string_view choice, SettingsStore& settings);
  // Frees the fourteen samples in order, then closes the library (also when it
  // was never started).
  void shutdown();

  void Snd_Play(Effect effect) override;
  void Snd_Silence() override;
  bool enabled() const { return enabled_; }

 private:
  bool enabled_ = false;
};

}  // namespace vx
