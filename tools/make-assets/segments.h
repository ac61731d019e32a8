// The segment shapes of the vacuum-fluorescent screen: what each cell, look and
// panel picture lights. Shapes are drawn once in design units and fitted to a
// skin's boxes, so every skin shares the same artwork at its own scale.
//
// An attacker is a body (the pod that doubles as the phase-4 shuttle) between two
// wings (the explosion); `Whole` lights both. On the ship's square the body sits
// where the ship's fuselage is, the dock cradles it and the wings are the wreck.
#pragma once

#include <QPainterPath>
#include <functional>

#include "screen_layout.h"
#include "skin/elements.h"

namespace vx::assets {

// The lit shape of a screen element, in the element's own coordinates; empty for
// elements that are not part of the screen.
QPainterPath segment_shape(ElementId id, const ScreenLayout& layout);

// Every segment of the screen in screen coordinates (the unlit ghosts a real
// display shows): the union of whatever can light in each cell and panel position.
// `filtered(id)` says which elements lie under the colour filter.
struct SegmentSets {
  QPainterPath main, filtered;
};
SegmentSets all_segments(const ScreenLayout& layout, const std::function<bool(ElementId)>& filtered);

}  // namespace vx::assets
