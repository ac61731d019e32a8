#include "synth/sound_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace vx::assets {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// The band-limiting correction at a step of the wave (t: phase since the step).
double poly_blep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1;
  }
  if (t > 1 - dt) {
    t = (t - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}

struct NoteSpan {
  double hz;  // 0: rest
  double start_ms;
  double len_ms;
};

std::vector<NoteSpan> parse_tune(const Tune& tune) {
  std::vector<NoteSpan> spans;
  double at = 0;
  std::size_t pos = 0;
  const std::string_view text = tune.notes;
  while (pos < text.size()) {
    if (text[pos] == ' ') {
      ++pos;
      continue;
    }
    const std::size_t end = std::min(text.find(' ', pos), text.size());
    std::string_view token = text.substr(pos, end - pos);
    pos = end;
    int steps = 1;
    if (const auto colon = token.find(':'); colon != std::string_view::npos) {
      steps = std::stoi(std::string(token.substr(colon + 1)));
      token = token.substr(0, colon);
    }
    const double len = steps * tune.step_ms;
    spans.push_back({token == "r" ? 0.0 : note_hz(token), at, len});
    at += len;
  }
  return spans;
}

}  // namespace

int frames_of(double ms) { return static_cast<int>(std::lround(ms * kSoundRate / 1000.0)); }

double note_hz(std::string_view name) {
  static constexpr std::string_view kLetters = "C D EF G A B";
  const auto letter = name.empty() ? std::string_view::npos : kLetters.find(name[0]);
  if (letter == std::string_view::npos || name.size() < 2) throw std::invalid_argument("bad note " + std::string(name));
  int semitone = static_cast<int>(letter);
  std::size_t i = 1;
  if (name[i] == '#')
    ++semitone, ++i;
  else if (name[i] == 'b')
    --semitone, ++i;
  const int octave = std::stoi(std::string(name.substr(i)));
  const int midi = 12 * (octave + 1) + semitone;
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

Wave pulse(double ms, const VoiceCurve& at) {
  Wave w(frames_of(ms));
  double phase = 0;
  for (std::size_t n = 0; n < w.size(); ++n) {
    const Voice v = at(n * 1000.0 / kSoundRate);
    if (v.hz <= 0) continue;
    const double dt = std::min(v.hz / kSoundRate, 0.5);
    const double duty = std::clamp(v.duty, 0.05, 0.95);
    double s = phase < duty ? 1.0 : -1.0;
    s += poly_blep(phase, dt);
    s -= poly_blep(std::fmod(phase - duty + 1.0, 1.0), dt);
    s -= 2 * duty - 1;                  // no DC, whatever the duty
    s /= 2 * std::max(duty, 1 - duty);  // peak 1
    w[n] = static_cast<float>(s * v.level);
    phase += dt;
    if (phase >= 1) phase -= 1;
  }
  return w;
}

Wave noise(double ms, const VoiceCurve& at) {
  Wave w(frames_of(ms));
  unsigned reg = 0x4A5Bu;
  double phase = 0;
  for (std::size_t n = 0; n < w.size(); ++n) {
    const Voice v = at(n * 1000.0 / kSoundRate);
    phase += v.hz / kSoundRate;
    for (; phase >= 1; phase -= 1) {
      const unsigned bit = (reg ^ (reg >> 1)) & 1u;
      reg = (reg >> 1) | (bit << 14);
    }
    w[n] = static_cast<float>(((reg & 1u) ? 1.0 : -1.0) * v.level);
  }
  return w;
}

Wave melody(const Tune& tune) {
  const std::vector<NoteSpan> spans = parse_tune(tune);
  const double total = spans.empty() ? 0 : spans.back().start_ms + spans.back().len_ms;
  std::size_t current = 0;
  return pulse(total, [&](double t) {
    while (current + 1 < spans.size() && t >= spans[current + 1].start_ms) ++current;
    const NoteSpan& s = spans[current];
    const double local = t - s.start_ms;
    const double sounding = s.len_ms - std::clamp(s.len_ms * 0.12, 8.0, 30.0);
    if (s.hz == 0 || local >= sounding) return Voice{0, tune.duty, 0};
    const double attack = std::min(local / kMinRampMs, 1.0);
    const double release = std::min((sounding - local) / 8.0, 1.0);
    const double accent = 0.85 + 0.15 * std::exp(-local / 60.0);
    double hz = s.hz * std::pow(2.0, tune.bend * (local / s.len_ms) / 12.0);
    if (s.len_ms >= 300 && local > 150) hz *= 1 + 0.012 * std::sin(kTwoPi * 5.5 * (local - 150) / 1000.0);
    return Voice{hz, tune.duty, attack * release * accent};
  });
}

Wave mix(const Wave& a, const Wave& b, float gain_b) {
  Wave out(std::max(a.size(), b.size()));
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = (i < a.size() ? a[i] : 0.0f) + gain_b * (i < b.size() ? b[i] : 0.0f);
  return out;
}

void soften(Wave& w, double cutoff_hz, bool circular) {
  const double a = 1 - std::exp(-kTwoPi * cutoff_hz / kSoundRate);
  double y = 0;
  if (circular)
    for (float x : w) y += a * (x - y);  // the state the previous repeat leaves
  for (float& x : w) {
    y += a * (x - y);
    x = static_cast<float>(y);
  }
}

namespace {
void remove_dc_and_scale(Wave& w, double peak_dbfs, bool remove_dc) {
  if (w.empty()) return;
  if (remove_dc) {
    double sum = 0;
    for (float x : w) sum += x;
    const auto mean = static_cast<float>(sum / static_cast<double>(w.size()));
    for (float& x : w) x -= mean;
  }
  float peak = 0;
  for (float x : w) peak = std::max(peak, std::abs(x));
  if (peak <= 0) return;
  const auto gain = static_cast<float>(std::pow(10.0, peak_dbfs / 20.0) / peak);
  for (float& x : w) x *= gain;
}
}  // namespace

void finish(Wave& w, double peak_dbfs, double fade_in_ms, double fade_out_ms) {
  remove_dc_and_scale(w, 0, true);
  const auto fade = [&](std::size_t n, auto index) {
    n = std::min(n, w.size());
    for (std::size_t i = 0; i < n; ++i)
      w[index(i)] *=
          static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(n)));
  };
  fade(frames_of(std::max(fade_in_ms, kMinRampMs)), [](std::size_t i) { return i; });
  fade(frames_of(std::max(fade_out_ms, kMinRampMs)), [&](std::size_t i) { return w.size() - 1 - i; });
  remove_dc_and_scale(w, peak_dbfs, false);  // the ends stay at zero
}

void finish_loop(Wave& w, double peak_dbfs) { remove_dc_and_scale(w, peak_dbfs, true); }

}  // namespace vx::assets
