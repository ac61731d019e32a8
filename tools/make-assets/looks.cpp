#include "looks.h"

#include <memory>

#include "game/console_state.h"

namespace vx::assets {
namespace {

const Console& game_tables() {
  static const std::unique_ptr<Console> k = [] {
    auto c = std::make_unique<Console>();
    c->FormCreate();
    return c;
  }();
  return *k;
}

}  // namespace

std::optional<LookRef> look_of_element(ElementId id) {
  for (int sc = 1; sc <= 5; ++sc)
    for (int sr = 1; sr <= 6; ++sr)
      for (LookKind kind : {LookKind::Whole, LookKind::Body, LookKind::Wings})
        if (el_enemy_look(sc, sr, kind) == id) return LookRef{sc, sr, kind};
  return std::nullopt;
}

LookRef look_set_of_cell(int col, int row) {
  const ElementId whole = game_tables().EnemyLook[col][row].Whole;
  return look_of_element(whole).value_or(LookRef{col, row, LookKind::Whole});
}

}  // namespace vx::assets
