#include "skin_check.h"

#include <QSize>
#include <array>
#include <optional>
#include <set>

#include "looks.h"
#include "platform/skin_files.h"
#include "skin_file.h"

namespace vx::assets {
namespace {

std::string box_text(const QRect& r) {
  return std::to_string(r.left()) + ", " + std::to_string(r.top()) + ", " + std::to_string(r.width()) + " x " +
         std::to_string(r.height());
}
std::string size_text(QSize s) { return std::to_string(s.width()) + " x " + std::to_string(s.height()); }

class Checker {
 public:
  Checker(const SkinFile& skin) : skin_(skin) {}

  std::vector<std::string> run() {
    for (const std::string& f : skin_.faults) faults_.push_back(f);
    if (!parse_colour(skin_.transp_color)) faults_.push_back("[Shaped] TranspColor is not a colour");
    if (!parse_colour(skin_.bg_color)) faults_.push_back("[Fullscreen] BgColor is not a colour");
    check_extra_file("[Fullscreen] BackdropFile", skin_.backdrop_file);
    check_extra_file("[Fullscreen] LogoFile", skin_.logo_file);
    for (ElementId id = 0; id < kSkinElementCount; ++id) check_element(id);
    check_lattice();
    check_looks();
    check_panel();
    fits(btn_joystick_left, btn_joystick_placeholder);
    fits(btn_joystick_right, btn_joystick_placeholder);
    return faults_;
  }

 private:
  const QRect& box(ElementId id) const { return skin_.images[id].box; }

  void fault(ElementId id, const std::string& what) {
    const std::string line = std::string(element_name(id)) + " (Image" + std::to_string(id + 1) + "): " + what;
    if (seen_.insert(line).second) faults_.push_back(line);
  }

  void check_extra_file(const std::string& key, const std::string& value) {
    if (!names_file(value)) return;
    const auto file = find_in_folder(skin_.folder, value);
    if (!file) {
      faults_.push_back(key + ": " + value + " not found");
      return;
    }
    std::string error;
    if (!pictures_.load(*file, error)) faults_.push_back(key + ": " + value + ": " + error);
  }

  void check_element(ElementId id) {
    const SkinImageKeys& keys = skin_.images[id];
    if (!keys.section_present) {
      fault(id, "section missing");
      return;
    }
    for (const std::string& k : keys.missing) fault(id, k + " missing or not a number");
    if (!names_file(keys.filename)) {
      fault(id, "names no picture");
    } else if (const auto file = find_in_folder(skin_.folder, keys.filename); !file) {
      fault(id, keys.filename + " not found");
    } else {
      std::string error;
      if (const PictureRef pic = pictures_.load(*file, error))
        size_[id] = QSize(pic->width, pic->height);
      else
        fault(id, keys.filename + ": " + error);
    }
    const QRect area(0, 0, skin_.game_width, skin_.game_height);
    if (keys.box.width() <= 0 || keys.box.height() <= 0)
      fault(id, "empty box (" + box_text(keys.box) + ")");
    else if (!area.contains(keys.box))
      fault(id, "box (" + box_text(keys.box) + ") lies outside the " + size_text(area.size()) + " console area");
    if (size_[id] && !keys.box.isEmpty() &&
        (size_[id]->width() > keys.box.width() || size_[id]->height() > keys.box.height()))
      fault(id, "picture " + size_text(*size_[id]) + " is larger than its box " + size_text(keys.box.size()));
  }

  // The picture of `source` must fit the box of `shown_in`, where the game shows it.
  void fits(ElementId source, ElementId shown_in) {
    if (!size_[source] || box(shown_in).isEmpty()) return;
    const QSize s = *size_[source];
    if (s.width() > box(shown_in).width() || s.height() > box(shown_in).height())
      fault(source, "picture " + size_text(s) + " does not fit " + std::string(element_name(shown_in)) + " (" +
                        size_text(box(shown_in).size()) + ")");
  }

  void check_lattice() {
    std::vector<ElementId> cells;
    for (int r = 9; r >= 1; --r)
      for (int c = 1; c <= 5; ++c) {
        cells.push_back(el_enemy(c, r));
        if (r >= 2) cells.push_back(el_fire(c, r));
      }
    for (int c = 1; c <= 5; ++c) cells.push_back(el_ship(c));
    // No two cells overlap, except the row-1 enemy cell on its ship's square.
    for (std::size_t i = 0; i < cells.size(); ++i)
      for (std::size_t j = i + 1; j < cells.size(); ++j) {
        const ElementId a = cells[i], b = cells[j];
        bool shared_square = false;
        for (int c = 1; c <= 5; ++c)
          shared_square |= (a == el_enemy(c, 1) && b == el_ship(c)) || (b == el_enemy(c, 1) && a == el_ship(c));
        if (!shared_square && box(a).intersects(box(b))) fault(b, "overlaps " + std::string(element_name(a)));
      }
    auto ordered = [&](ElementId left, ElementId right) {
      if (box(right).left() <= box(left).left()) fault(right, "is not right of " + std::string(element_name(left)));
    };
    auto above = [&](ElementId upper, ElementId lower) {
      if (box(upper).top() >= box(lower).top()) fault(upper, "is not above " + std::string(element_name(lower)));
    };
    for (int c = 1; c <= 5; ++c) {
      for (int r = 1; r <= 9; ++r) {
        if (c < 5) ordered(el_enemy(c, r), el_enemy(c + 1, r));
        if (r < 9) above(el_enemy(c, r + 1), el_enemy(c, r));
        if (r >= 2) {
          if (c < 5) ordered(el_fire(c, r), el_fire(c + 1, r));
          if (r < 9) above(el_fire(c, r + 1), el_fire(c, r));
          // The shot cell sits just below its enemy cell (the phase-4 flame under the shuttle).
          const QRect e = box(el_enemy(c, r)), f = box(el_fire(c, r));
          if (f.top() <= e.top() || f.right() < e.left() || f.left() > e.right())
            fault(el_fire(c, r), "does not sit below " + std::string(element_name(el_enemy(c, r))));
        }
      }
      if (c < 5) ordered(el_ship(c), el_ship(c + 1));
    }
  }

  void check_looks() {
    for (int r = 1; r <= 6; ++r)
      for (int c = 1; c <= 5; ++c) {
        const LookRef set = look_set_of_cell(c, r);
        for (LookKind k : {LookKind::Whole, LookKind::Body, LookKind::Wings})
          fits(*el_enemy_look(set.set_col, set.set_row, k), el_enemy(c, r));
      }
    for (int c = 1; c <= 5; ++c) {
      fits(el_ship_whole(c), el_ship(c));
      fits(el_ship_dock(c), el_ship(c));
    }
  }

  void check_panel() {
    for (int p = 1; p <= 4; ++p) {
      const ElementId at = el_panel_digit_pos(p);
      if (p > 1) {
        const ElementId prev = el_panel_digit_pos(p - 1);
        if (box(at).top() != box(prev).top() || box(at).height() != box(prev).height())
          fault(at, "is not in a row with " + std::string(element_name(prev)));
        if (box(at).left() <= box(prev).left()) fault(at, "is not right of " + std::string(element_name(prev)));
        if (box(at).intersects(box(prev))) fault(at, "overlaps " + std::string(element_name(prev)));
      }
      for (int d = 0; d <= 9; ++d) fits(el_panel_number(d), at);
      for (ElementId letter : {im_panel_letter_g, im_panel_letter_o, im_panel_letter_d}) fits(letter, at);
    }
  }

  const SkinFile& skin_;
  SkinPictures pictures_;  // within the skin's limit, as the program reads them
  std::array<std::optional<QSize>, kSkinElementCount> size_{};
  std::vector<std::string> faults_;
  std::set<std::string> seen_;
};

}  // namespace

std::vector<std::string> check_skin(const std::filesystem::path& folder, const std::string& description) {
  std::string error;
  const auto skin = read_skin_file(folder, description, error);
  if (!skin) return {error};
  return Checker(*skin).run();
}

}  // namespace vx::assets
