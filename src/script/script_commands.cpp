#include "script/script_commands.h"

#include <charconv>
#include <istream>
#include <ostream>

#include "game/actions.h"

namespace vx {
namespace {

std::vector<std::string_view> split(std::string_view s) {
  std::vector<std::string_view> w;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r')) ++i;
    if (i >= s.size()) break;
    std::size_t j = i;
    while (j < s.size() && s[j] != ' ' && s[j] != '\t' && s[j] != '\r') ++j;
    w.push_back(s.substr(i, j - i));
    i = j;
  }
  return w;
}

long long number(std::string_view s, int line) {
  long long v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size()) throw ScriptError(line, "bad number '" + std::string(s) + "'");
  return v;
}

int number_in(std::string_view s, long long lo, long long hi, int line, const char* what = "index") {
  const long long v = number(s, line);
  if (v < lo || v > hi)
    throw ScriptError(line, std::string(what) + " out of range: " + std::string(s) + " (" + std::to_string(lo) + ".." +
                                std::to_string(hi) + ")");
  return static_cast<int>(v);
}

// A whole number 0..hi, however many digits it is written with: below 0 is
// refused with `negative`, above hi with `too_large`.
std::int64_t limited(std::string_view s, std::int64_t hi, int line, const char* negative,
                     const std::string& too_large) {
  long long v = 0;
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (p != s.data() + s.size() || (ec != std::errc() && ec != std::errc::result_out_of_range))
    throw ScriptError(line, "bad number '" + std::string(s) + "'");
  const bool out_of_range = ec == std::errc::result_out_of_range;
  if (out_of_range ? s.starts_with('-') : v < 0) throw ScriptError(line, negative);
  if (out_of_range || v > hi) throw ScriptError(line, too_large + ", not " + std::string(s));
  return v;
}

std::int64_t wait_ms(std::string_view s, int line) {
  return limited(s, kMaxScriptWaitMs, line, "cannot wait a negative time",
                 "a wait is at most " + std::to_string(kMaxScriptWaitMs) + " ms");
}

std::int64_t random_value(std::string_view s, int line) {
  return limited(s, kMaxScriptRandom, line, "random values are 0 or more",
                 "a random value is at most " + std::to_string(kMaxScriptRandom));
}

void need(const std::vector<std::string_view>& w, std::size_t n, int line) {
  if (w.size() != n)
    throw ScriptError(line, "'" + std::string(w[0]) + "' takes " + std::to_string(n - 1) + " argument(s)");
}

// What a panel position shows: a digit, g, o, d, blank when cleared, ? otherwise.
char panel_char(const Console& k, int pos) {
  const Sprite& s = k.board[k.PanelDigitPos[pos]];
  if (!s.picture) return ' ';
  if (s.source >= im_panel_number_0 && s.source <= im_panel_number_0 + 9)
    return static_cast<char>('0' + (s.source - im_panel_number_0));
  if (s.source == im_panel_letter_g) return 'g';
  if (s.source == im_panel_letter_o) return 'o';
  if (s.source == im_panel_letter_d) return 'd';
  return '?';
}

std::string json_string(std::string_view s) {
  std::string o = "\"";
  for (char ch : s) {
    if (ch == '"' || ch == '\\') o += '\\';
    o += ch;
  }
  return o + '"';
}

std::vector<std::string_view> words_of(std::string_view line) {
  if (auto hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
  return split(line);
}

}  // namespace

std::vector<std::string> read_script_lines(std::istream& in) {
  std::vector<std::string> lines;
  std::int64_t waited = 0;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
    const int line_no = static_cast<int>(lines.size());
    const auto w = words_of(line);
    if (w.size() == 2 && w[0] == "wait") {
      waited += wait_ms(w[1], line_no);
      if (waited > kMaxScriptWaitMs)
        throw ScriptError(line_no,
                          "the script's waits add up to more than " + std::to_string(kMaxScriptWaitMs) + " ms");
    } else if (w.size() >= 2 && w[0] == "rng") {
      for (std::size_t i = 1; i < w.size(); ++i) random_value(w[i], line_no);
    }
  }
  return lines;
}

void ScriptCommands::run_line(std::string_view line, int line_no) {
  const auto w = words_of(line);
  if (w.empty()) return;
  const std::string_view cmd = w[0];
  Console& k = k_;

  if (cmd == "press" || cmd == "release") {
    need(w, 2, line_no);
    const auto action = action_by_name(w[1]);
    if (!action) throw ScriptError(line_no, "unknown action '" + std::string(w[1]) + "'");
    if (cmd == "release" && !kActions[*action].has_release) throw ScriptError(line_no, "power has no release");
    if (hooks_.act)
      hooks_.act(*action, cmd == "press");
    else
      k.run_action(*action, cmd == "press");
    return;
  }
  if (cmd == "wait") {
    need(w, 2, line_no);
    const std::int64_t ms = wait_ms(w[1], line_no);
    if (hooks_.wait) {
      hooks_.wait(ms, line_no);
      return;
    }
    try {
      k.timers.advance(ms);
    } catch (const QueuedDrawError& e) {
      throw ScriptError(e.line, e.what());
    }
    return;
  }
  if (cmd == "rng") {
    if (w.size() < 2) throw ScriptError(line_no, "'rng' takes one or more values");
    for (std::size_t i = 1; i < w.size(); ++i) {
      const std::int64_t v = random_value(w[i], line_no);
      if (hooks_.rng)
        hooks_.rng(v, line_no);
      else
        k.random.queue(v, line_no);
    }
    return;
  }
  if (cmd == "set") {
    set_command(w, line_no);
    return;
  }
  if (cmd == "timer") {
    need(w, 4, line_no);
    const auto id = timer_by_name(w[1]);
    if (!id) throw ScriptError(line_no, "unknown timer '" + std::string(w[1]) + "'");
    const int interval = number_in(w[2], 0, 1 << 30, line_no);
    if (w[3] != "on" && w[3] != "off") throw ScriptError(line_no, "timer state is 'on' or 'off'");
    k.timers.SetInterval(*id, interval);
    k.timers.SetEnabled(*id, w[3] == "on");
    return;
  }
  if (cmd == "call") {
    need(w, 2, line_no);
    const NamedOperation* op = find_operation(w[1]);
    if (!op) throw ScriptError(line_no, "unknown operation '" + std::string(w[1]) + "'");
    try {
      (k.*(op->op))();
    } catch (const QueuedDrawError& e) {
      throw ScriptError(e.line, e.what());
    }
    return;
  }
  if (cmd == "dump") {
    need(w, 1, line_no);
    out_ << dump() << '\n';
    return;
  }
  if (cmd == "show") {
    need(w, 1, line_no);
    out_ << show();
    return;
  }
  if (hooks_.other && hooks_.other(w, line_no)) return;
  throw ScriptError(line_no, "unknown command '" + std::string(cmd) + "'");
}

void ScriptCommands::set_command(const std::vector<std::string_view>& w, int line_no) {
  Console& k = k_;
  if (w.size() < 3) throw ScriptError(line_no, "'set' takes a name and a value");
  const std::string_view name = w[1];
  if (name == "aEnemy" || name == "aFire") {
    need(w, 5, line_no);
    const int c = number_in(w[2], 1, 5, line_no);
    const int r = number_in(w[3], name == "aFire" ? 2 : 1, 9, line_no);
    const int v = static_cast<int>(number(w[4], line_no));
    (name == "aEnemy" ? k.aEnemy : k.aFire)[c][r] = v;
    return;
  }
  if (name == "Attacker") {
    need(w, 7, line_no);
    const int i = number_in(w[2], 1, 2, line_no);
    k.Attacker[i].Col = number_in(w[3], 0, 5, line_no);
    k.Attacker[i].Row = number_in(w[4], 0, 9, line_no);
    k.Attacker[i].Pattern = number_in(w[5], 0, 8, line_no, "value");
    k.Attacker[i].Points = static_cast<int>(number(w[6], line_no));
    return;
  }
  if (name == "MothershipSaved") {
    need(w, 4, line_no);
    const int c = number_in(w[2], 1, 5, line_no);
    k.MothershipSaved[c] = static_cast<int>(number(w[3], line_no));
    return;
  }
  const NamedVariable* var = find_variable(name);
  if (!var) throw ScriptError(line_no, "unknown variable '" + std::string(name) + "'");
  need(w, 3, line_no);
  const std::string_view v = w[2];
  if (auto* flag = std::get_if<bool Console::*>(&var->member)) {
    if (v == "true" || v == "1")
      k.*(*flag) = true;
    else if (v == "false" || v == "0")
      k.*(*flag) = false;
    else
      throw ScriptError(line_no, "a flag is true, false, 1 or 0, not '" + std::string(v) + "'");
  } else {
    k.*(std::get<std::int32_t Console::*>(var->member)) = number_in(v, var->lo, var->hi, line_no, "value");
  }
}

std::string ScriptCommands::dump() {
  Console& k = k_;
  const SpriteBoard& b = k.board;
  std::string o = "{\"t\":" + std::to_string(k.timers.now());
  for (const NamedVariable& var : console_variables()) {
    o += ",\"" + std::string(var.name) + "\":";
    if (auto* flag = std::get_if<bool Console::*>(&var.member))
      o += k.*(*flag) ? "true" : "false";
    else
      o += std::to_string(k.*(std::get<std::int32_t Console::*>(var.member)));
  }
  o += ",\"Attacker\":[";
  for (int i = 1; i <= 2; ++i) {
    const auto& a = k.Attacker[i];
    if (i > 1) o += ',';
    o += "{\"Col\":" + std::to_string(a.Col) + ",\"Row\":" + std::to_string(a.Row) +
         ",\"Pattern\":" + std::to_string(a.Pattern) + ",\"Points\":" + std::to_string(a.Points) + "}";
  }
  k.Debug_aEnemy();
  k.Debug_aFire();
  o += "],\"aEnemy\":" + json_string(k.la_debug_aEnemy) + ",\"aFire\":" + json_string(k.la_debug_aFire);
  o += ",\"MothershipSaved\":[";
  for (int c = 1; c <= kCols; ++c) {
    if (c > 1) o += ',';
    o += std::to_string(k.MothershipSaved[c]);
  }
  o += "]";

  auto vis = [&](ElementId id) { return b[id].visible ? '1' : '0'; };
  std::string enemy, fire, ship, looks, panel;
  for (int r = 9; r >= 1; --r) {
    for (int c = 1; c <= kCols; ++c) enemy += vis(k.EnemySprite[c][r]);
    enemy += ' ';
  }
  for (int r = 9; r >= 2; --r) {
    for (int c = 1; c <= kCols; ++c) fire += vis(k.FireSprite[c][r]);
    fire += ' ';
  }
  for (int c = 1; c <= kCols; ++c) ship += vis(k.ShipSprite[c]);
  for (int r = 6; r >= 1; --r) {
    for (int c = 1; c <= kCols; ++c) {
      const Sprite& s = b[k.EnemySprite[c][r]];
      const auto& l = k.EnemyLook[c][r];
      looks += !s.picture            ? '-'
               : s.source == l.Whole ? 'W'
               : s.source == l.Body  ? 'B'
               : s.source == l.Wings ? 'G'
                                     : '?';
    }
    looks += ' ';
  }
  for (int c = 1; c <= kCols; ++c) {
    const Sprite& s = b[k.ShipSprite[c]];
    looks += !s.picture ? '-' : s.source == k.ShipLook[c].Whole ? 'W' : s.source == k.ShipLook[c].Dock ? 'D' : '?';
  }
  looks += ' ';
  for (int p = 1; p <= 4; ++p) panel += panel_char(k, p);
  o += ",\"enemy\":" + json_string(enemy) + ",\"fire\":" + json_string(fire) + ",\"ship\":" + json_string(ship) +
       ",\"looks\":" + json_string(looks) + ",\"panel\":" + json_string(panel);

  o += ",\"timers\":{";
  bool first = true;
  for (int i = 0; i < kTimerCount; ++i) {
    const auto id = static_cast<TimerId>(i);
    if (!k.timers.Enabled(id)) continue;
    o += (first ? "\"" : ",\"") + std::string(timer_name(id)) + "\":" + std::to_string(k.timers.Interval(id));
    first = false;
  }
  o += "}";
  if (hooks_.sounds) o += ",\"sounds\":" + hooks_.sounds();

  const Sprite& stick = b[btn_joystick_placeholder];
  const char* stick_look = !stick.picture                       ? ""
                           : stick.source == btn_joystick_left  ? "left"
                           : stick.source == btn_joystick_right ? "right"
                                                                : "?";
  auto flag = [&](ElementId id) { return b[id].visible ? std::string("true") : std::string("false"); };
  o += ",\"buttons\":{\"btn_power_on\":" + flag(btn_power_on) +
       ",\"im_background_screen_on\":" + flag(im_background_screen_on) +
       ",\"btn_select_down\":" + flag(btn_select_down) + ",\"btn_start_down\":" + flag(btn_start_down) +
       ",\"btn_fire_down\":" + flag(btn_fire_down) + ",\"btn_joystick_placeholder\":" + json_string(stick_look) + "}";
  o += ",\"hints\":{";
  const ElementId hinted[] = {btn_power_top, btn_select_top,         btn_start_top,          btn_joystick_top,
                              btn_fire_top,  btn_ctrlr_overlay_left, btn_ctrlr_overlay_right};
  for (ElementId id : hinted) {
    if (id != btn_power_top) o += ',';
    o += json_string(element_name(id)) + ":" + json_string(b[id].hint);
  }
  o += "}}";
  return o;
}

std::string ScriptCommands::show() const {
  const Console& k = k_;
  const SpriteBoard& b = k.board;
  std::string o = "panel [";
  for (int p = 1; p <= 4; ++p) o += panel_char(k, p);
  o += "]\n";
  for (int r = 9; r >= 1; --r) {
    o += static_cast<char>('0' + r);
    o += ' ';
    for (int c = 1; c <= kCols; ++c) {
      const bool enemy = b[k.EnemySprite[c][r]].visible;
      const bool other = r == 1 ? b[k.ShipSprite[c]].visible : b[k.FireSprite[c][r]].visible;
      o += enemy && other ? '#' : enemy ? 'E' : other ? (r == 1 ? 'A' : '*') : '.';
    }
    o += '\n';
  }
  return o;
}

}  // namespace vx
