#include "sound_replay.h"

#include <nlohmann/json.hpp>

#include <istream>
#include <stdexcept>
#include <string>

#include "sound/fsound.h"

namespace vx {
namespace {

SoundEvent event_of(const nlohmann::json& j) {
  SoundEvent e;
  e.t = j.at("t").get<std::int64_t>();
  if (j.contains("silence")) return e;
  const std::string name = j.at("play").get<std::string>();
  for (int i = 0; i < kEffectCount; ++i)
    if (kEffectNames[i] == name) e.play = static_cast<Effect>(i);
  if (!e.play) throw std::runtime_error("no effect named \"" + name + "\"");
  return e;
}

}  // namespace

std::vector<SoundEvent> read_sound_events(std::istream& in) {
  std::vector<SoundEvent> events;
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    const auto j = nlohmann::json::parse(line, nullptr, false);
    const nlohmann::json* list = nullptr;
    if (j.is_array()) list = &j;
    else if (j.is_object() && j.contains("sounds")) list = &j["sounds"];
    if (!list) continue;
    try {
      for (const auto& item : *list) events.push_back(event_of(item));
    } catch (const std::exception& e) {
      throw std::runtime_error("line " + std::to_string(n) + ": " + e.what());
    }
  }
  return events;
}

bool replay_sound_events(const std::vector<SoundEvent>& events, SoundSink& sound, std::int64_t tail_ms,
                         std::vector<MixSpan>* landed) {
  const int rate = fsound_rate();
  if (rate == 0) return false;
  const auto frame_at = [&](std::int64_t t) { return static_cast<std::uint64_t>(t < 0 ? 0 : t) * rate / 1000; };
  // Generous: the mixer runs at least as fast as real time.
  const auto patience = [&](std::int64_t ms) { return std::chrono::milliseconds(ms + 5000); };
  std::int64_t now = 0;
  for (const SoundEvent& e : events) {
    if (!fsound_wait_mixed(frame_at(e.t), patience(e.t - now))) return false;
    now = e.t;
    const auto before = fsound_mixed_frames();
    if (e.play) sound.Snd_Play(*e.play);
    else sound.Snd_Silence();
    if (landed) landed->push_back({before, fsound_mixed_frames()});
  }
  return fsound_wait_mixed(frame_at(now + tail_ms), patience(tail_ms));
}

}  // namespace vx
