#include "synth/sound_effects.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vx::assets {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// An exponential glide from `from` to `to` Hz over `ms`, then holding `to`.
double glide(double from, double to, double t, double ms) { return from * std::pow(to / from, std::min(t / ms, 1.0)); }

// Tunes sit 3 dB under the short effects: a square wave is loud for its peak.
Wave tune(const Tune& t, double peak_dbfs, double fade_out_ms) {
  Wave w = melody(t);
  soften(w, 6000);
  finish(w, peak_dbfs, kMinRampMs, fade_out_ms);
  return w;
}

// A docking: a bouncing major tune climbing to a high close.
Wave bonus() {
  return tune({"C5 E5 G5 E5 C5 E5 G5:2 A5 G5 E5 G5 C6:4 A5 F5 D5 F5 A5 C6 B5:2 "
               "G5 B5 D6 B5 C6:4 E6 D6 C6 G5 C6:4",
               120},
              -6, 20);
}

// Loaded with the others, never played: a short fanfare.
Wave complete() { return tune({"G5 G5 G5 C6:4 r E6:2 C6:2 G6:6", 100}, -6, 20); }

// The player's shot: a falling zap whose pulse narrows as it dies.
Wave fire() {
  Wave w = pulse(210, [](double t) {
    return Voice{glide(2600, 420, t, 170), 0.5 - 0.3 * std::min(t / 170, 1.0), std::exp(-t / 110)};
  });
  soften(w, 6000);
  finish(w, -3, kMinRampMs, 12);
  return w;
}

// Power-on: a rising call and its answer.
Wave gameon() { return tune({"G4 C5 E5 G5 C6:2 G5 C6 E6:3 r D6 C6 B5 C6 D6:2 G5:2 C6:6", 110}, -6, 25); }

// A kill: noise whose clock falls, over a short low thump.
Wave hit() {
  const Wave crash = noise(340, [](double t) { return Voice{glide(9000, 400, t, 340), 0.5, std::exp(-t / 140)}; });
  const Wave thump = pulse(80, [](double t) { return Voice{glide(180, 50, t, 80), 0.5, std::exp(-t / 30)}; });
  Wave w = mix(crash, thump, 0.6f);
  soften(w, 5000);
  finish(w, -1.5, kMinRampMs, 30);
  return w;
}

// The ship lost: a short crash, then a long warbling fall.
Wave miss() {
  const Wave fall = pulse(1500, [](double t) {
    const double wobble = 1 + 0.06 * std::sin(kTwoPi * 11 * t / 1000);
    return Voice{glide(1400, 180, t, 1400) * wobble, 0.5 - 0.15 * t / 1500, 1};
  });
  const Wave crash = noise(150, [](double t) { return Voice{glide(7000, 1500, t, 150), 0.5, std::exp(-t / 40)}; });
  Wave w = mix(fall, crash, 0.7f);
  soften(w, 6000);
  finish(w, -4, kMinRampMs, 180);
  return w;
}

// A missed docking: four sagging steps down, the last one long and shaking.
Wave missdock() { return tune({"G4:3 F#4:3 F4:3 E4:9", 100, 0.25, -0.35}, -5, 120); }

// Game over: a slow phrase in minor, falling to rest on the tonic.
Wave gameover() { return tune({"E5:2 C5:2 A4:2 r E5 D5:2 B4:2 G#4:2 r B4 C5:2 B4:2 A4:2 G#4:2 A4:6", 180}, -6, 200); }

// A phase complete: a quick climb and a bright close.
Wave phase() { return tune({"C5 D5 E5 G5 E5 G5 C6:3 r A5 B5 C6:3 G5:2 C6:4", 80}, -6, 30); }

// SELECT: one short beep.
Wave selecbtn() {
  Wave w = pulse(90, [](double) { return Voice{note_hz("D6"), 0.5, 1}; });
  finish(w, -6, kMinRampMs, 10);
  return w;
}

// Get ready: a pick-up and a held top note.
Wave start() { return tune({"E5 G5 C6 r C6 r G5 C6 E6:4 D6 E6:4", 90}, -6, 30); }

// START: a quick upward blip.
Wave startbtn() { return tune({"E6:2 A6:3", 16}, -6, 6); }

// Shuttle thrust: a low buzz and rough noise pulsing 12.5 times a second. Every
// part repeats a whole number of times in 400 ms, so the end joins the start; the
// loop begins where the pulsing is at its quietest.
Wave thrust() {
  constexpr double kLoopMs = 400;
  const auto flutter = [](double t) { return 0.15 + 0.85 * (0.5 - 0.5 * std::cos(kTwoPi * 5 * t / kLoopMs)); };
  const Wave buzz = pulse(kLoopMs, [&](double t) { return Voice{70, 0.3, flutter(t)}; });
  const Wave hiss = noise(kLoopMs, [&](double t) { return Voice{1102.5, 0.5, flutter(t)}; });
  Wave w = mix(buzz, hiss, 0.6f);
  soften(w, 1800, true);
  // Start on the quietest sample of the first 2 ms either side of the seam.
  const int reach = frames_of(2);
  const int n = static_cast<int>(w.size());
  int best = 0;
  for (int k = -reach; k <= reach; ++k)
    if (std::abs(w[(k + n) % n]) < std::abs(w[(best + n) % n])) best = k;
  Wave loop(w.size());
  for (int i = 0; i < n; ++i) loop[i] = w[(i + best + n) % n];
  finish_loop(loop, -4);
  return loop;
}

// A tick of the attack: a very short, soft click of tone.
Wave tick() {
  Wave w = pulse(25, [](double t) { return Voice{1000, 0.5, std::exp(-t / 7)}; });
  finish(w, -8, kMinRampMs, kMinRampMs + 1);
  return w;
}

// In the order of Effect.
constexpr std::array<Wave (*)(), kEffectCount> kRecipes{
    bonus, complete, fire, gameon, hit, miss, missdock, gameover, phase, selecbtn, start, startbtn, thrust, tick};

}  // namespace

Wave synth_effect(Effect effect) { return kRecipes[static_cast<int>(effect)](); }

}  // namespace vx::assets
