#include "script/script_runner.h"

#include <istream>
#include <memory>
#include <ostream>

namespace vx {
namespace {

// Elements whose pictures the game copies into other elements.
bool is_picture_source(ElementId id) {
  const int image = id + 1;
  return image == 12 || image == 13 || (image >= 22 && image <= 34) || (image >= 80 && image <= 118) ||
         (image >= 164 && image <= 173);
}

}  // namespace

void ScriptRunner::Recorder::Snd_Play(Effect e) {
  if (!events_.empty()) events_ += ',';
  events_ += "{\"t\":" + std::to_string(clock_.now()) + ",\"play\":\"" + std::string(effect_name(e)) + "\"}";
}

void ScriptRunner::Recorder::Snd_Silence() {
  if (!events_.empty()) events_ += ',';
  events_ += "{\"t\":" + std::to_string(clock_.now()) + ",\"silence\":true}";
}

std::string ScriptRunner::Recorder::take() {
  std::string s = "[" + events_ + "]";
  events_.clear();
  return s;
}

ScriptRunner::ScriptRunner(std::ostream& out, std::uint32_t seed, bool trace) : out_(out) {
  for (ElementId id = 0; id < kSkinElementCount; ++id)
    if (is_picture_source(id)) {
      auto p = std::make_shared<Picture>();
      p->label = std::string(element_name(id));
      k_.board.set_picture(id, std::move(p));
    }
  k_.FormCreate();
  k_.random.seed(seed);
  k_.CtrlrOverlay = true;
  k_.assign_keys(kDefaultKeyIndex);
  k_.Vid_Display_Ctrl_Overlay();
  host_.set_sound(&sounds_);
  if (trace)
    k_.timers.set_trace(
        [this](TimerId id, std::int64_t, std::int64_t now) { out_ << "t=" << now << ' ' << timer_name(id) << '\n'; });
}

int ScriptRunner::run(std::istream& in, std::ostream& err) {
  try {
    const std::vector<std::string> lines = read_script_lines(in);  // checked before anything runs
    for (std::size_t i = 0; i < lines.size(); ++i) run_line(lines[i], static_cast<int>(i + 1));
  } catch (const ScriptError& e) {
    out_.flush();
    err << "line " << e.line << ": " << e.what() << '\n';
    return 2;
  }
  return 0;
}

}  // namespace vx
