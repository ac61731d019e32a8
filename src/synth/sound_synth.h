// Square-wave beeper synthesis for the console's effects: a band-limited pulse
// voice whose pitch, duty and level follow a curve, 1-bit noise, note sequences
// with short envelopes, and the finishing every file gets (no DC, edge fades, peak).
#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace vx::assets {

inline constexpr int kSoundRate = 22050;
// The shortest fade in or out of any effect: shorter ones click on a speaker.
inline constexpr double kMinRampMs = 3;
using Wave = std::vector<float>;

int frames_of(double ms);
// "A4" is 440 Hz; sharps "C#5", flats "Bb4".
double note_hz(std::string_view name);

// What a voice does at a moment (ms from its start).
struct Voice {
  double hz = 0;  // 0: silent
  double duty = 0.5;
  double level = 1;  // 0..1
};
using VoiceCurve = std::function<Voice(double ms)>;

// A pulse wave, phase-continuous through pitch changes, without DC.
Wave pulse(double ms, const VoiceCurve& at);
// 1-bit noise from a 15-bit shift register clocked at `hz` (the curve's duty is
// unused); a falling clock is the classic explosion.
Wave noise(double ms, const VoiceCurve& at);

// A tune: tokens "NOTE[:STEPS]" or "r[:STEPS]" (a rest), one step lasting
// `step_ms`. Each note sounds for most of its steps with a short attack and
// release; long notes get a slight vibrato, `bend` semitones glide over each note.
struct Tune {
  std::string_view notes;
  double step_ms;
  double duty = 0.5;
  double bend = 0;
};
Wave melody(const Tune& tune);

// Sample by sample a + b (the longer length).
Wave mix(const Wave& a, const Wave& b, float gain_b = 1);
// A one-pole low-pass, the small speaker's softness. `circular` filters a loop
// as if it repeated forever, so its end still joins its start.
void soften(Wave& w, double cutoff_hz, bool circular = false);
// Removes any DC; then fades the first `fade_in_ms` and last `fade_out_ms`
// (raised cosine, each at least kMinRampMs) and scales the peak to `peak_dbfs`.
void finish(Wave& w, double peak_dbfs, double fade_in_ms, double fade_out_ms);
// A loop: removes DC and scales the peak, leaving the ends alone.
void finish_loop(Wave& w, double peak_dbfs);

}  // namespace vx::assets
