// How the console core reaches sound: two calls (and the host's pause). The fourteen effects are numbered
// in the order their samples are loaded and freed.
#pragma once

#include <array>
#include <string_view>

namespace vx {

enum class Effect {
  Bonus,
  Complete,
  Fire,
  Gameon,
  Hit,
  Miss,
  MissDock,
  Gameover,
  Phase,
  SelecBtn,
  Start,
  StartBtn,
  Thrust,
  Tick,
};
inline constexpr int kEffectCount = 14;
inline constexpr std::array<std::string_view, kEffectCount> kEffectNames{
    "Bonus",    "Complete", "Fire",     "Gameon", "Hit",      "Miss",   "MissDock",
    "Gameover", "Phase",    "SelecBtn", "Start",  "StartBtn", "Thrust", "Tick"};
inline std::string_view effect_name(Effect e) { return kEffectNames[static_cast<int>(e)]; }

class SoundSink {
 public:
  virtual ~SoundSink() = default;
  virtual void Snd_Play(Effect effect) = 0;
  virtual void Snd_Silence() = 0;
  // Holds every sound where it is while the game is paused, and goes on from there.
  virtual void pause(bool) {}
};

}  // namespace vx
