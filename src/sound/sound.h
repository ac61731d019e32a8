// The console's sound: start-up with the launcher's output choice, the fourteen
// effects played on channel 0 of the FSOUND layer, and shutdown. The console core
// reaches it through SoundSink (Snd_Play, Snd_Silence).
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>

#include "game/sound_sink.h"
#include "platform/settings.h"
#include "sound/fsound.h"

namespace vx {

// The launcher's sound choices, in the order of its list (entry i is SoundMode i).
struct SoundOutput {
  std::string_view choice;
  bool enabled;     // SoundEnabled
  int output_type;  // for FSOUND_SetOutput; 0 when sound is off
  std::string_view hint;  // what the choice opens on this system (its names stay: SoundMode relies on them)
};
inline constexpr std::array<SoundOutput, 3> kSoundOutputs{{
    {"Microsoft DirectSound", true, kFsoundOutputDirectSound,
     "Plays through this system's default sound output (PipeWire, PulseAudio or ALSA, as SDL finds it)"},
    {"Windows MultiMedia", true, kFsoundOutputMultiMedia,
     "Plays through the ALSA output directly (the default output when ALSA is missing)"},
    {"(no sound)", false, 0, "Plays silently: no sound output is opened"},
}};

class Sound : public SoundSink {
 public:
  // `folder` holds the fourteen "<Effect>.wav" files ("Sound" in the data folder,
  // which is the working directory). `calls` is the library layer.
  explicit Sound(std::filesystem::path folder = "Sound", FsoundCalls calls = {});
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;
  ~Sound();  // waits for a start-up begun by prepare()

  // Begins the library part of start-up for `output_type` on a thread of its own
  // while the caller goes on (the device opens and the fourteen samples load).
  // start() with a choice of the same output waits for it and then behaves, with
  // its messages and settings, as if it had done the work itself; another choice
  // closes what was prepared and starts anew. Nothing else may use the sound
  // library until start() or shutdown().
  void prepare(int output_type);
  // Whether a start-up begun by prepare() may still be working.
  bool preparing() const { return preparing_.joinable(); }

  // Sound start-up. `choice` is the launcher's text: "(no sound)", "Windows
  // MultiMedia" or "Microsoft DirectSound". Writes SoundMode, then starts the
  // library and loads the fourteen samples. Returns false when the Bonus sample
  // could not be loaded, after showing the reinstall message, writing SoundMode
  // -1 and SplashScreen true, and requesting termination; the caller then stops.
  bool start(std::string_view choice, SettingsStore& settings);
  // The library part of start-up, without the settings: sets SoundEnabled, starts
  // the library on `output_type` and loads the fourteen samples. False when the
  // Bonus sample could not be loaded.
  bool open(int output_type);
  // Frees the fourteen samples in order, then closes the library (also when it
  // was never started).
  void shutdown();

  void Snd_Play(Effect effect) override;
  void Snd_Silence() override;
  // Every channel holds where it is while the game is paused (sound_pause.h).
  void pause(bool paused) override;
  bool enabled() const { return enabled_; }
  // The whole mix's level in percent (0..100); muted, silent with the level kept.
  void set_volume(int percent, bool muted);

 private:
  // The library part of open(), without touching enabled_.
  bool load_library(int output_type);
  // Waits for a prepared start-up; true when one was prepared for `output_type`
  // and its Bonus sample loaded. Says what the library held back on standard error.
  bool finish_prepared(int output_type, bool& prepared_ok);

  int level_ = 100;
  std::thread preparing_;
  int prepared_type_ = 0;
  bool prepared_ok_ = false;      // written by the thread, read after the join
  std::string prepared_notices_;  // likewise

  std::filesystem::path folder_;
  FsoundCalls fsound_;
  bool enabled_ = false;  // SoundEnabled
  std::array<FsoundSample, kEffectCount> samples_{};
};

}  // namespace vx
