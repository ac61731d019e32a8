// Steps that the hit, reprise and completion sequences of the phases share: the
// end of a phase, play resuming after a hit, and the blank screens of a reprise
// and of a completion.
#pragma once

#include "game/console_state.h"

namespace vx {

// The last enemy of the phase is gone: play stops and `completion` starts from
// Step 0 with its first tick 100 ms later.
void start_completion(Console& k, TimerId completion);
// The end of a hit sequence: the phase's play timer and the enemy shots run
// again, the shot is spent and control comes back.
void resume_after_hit(Console& k, TimerId play_timer, TimerId hit_timer);
// A reprise's first step: the ship back in column 3 and the lives on the panel.
void reprise_show_lives(Console& k);
// A reprise's second step: the screen cleared and blank, the start tune.
void reprise_blank(Console& k);
// A completion's first step: the screen cleared and blank with the whole
// pictures back, the phase tune.
void completion_blank(Console& k);

// One tick of the reprise of phases 1 and 2 (`self`, steps 1 to 5): the lives,
// a blank screen with the start tune, then the ship and the score with control
// back and `arm` run, the mothership, and `attacking` running again.
void fleet_reprise_step(Console& k, TimerId self, TimerId attacking, void (*arm)(Console&));
// One tick of the completion of phases 1 and 2 (`self`; step 0 only waits): the
// blank screen with the phase tune, and 1800 ms later phase `next` with
// `enemies` to go, the mothership row, the ship and the score; `begin` starts
// its play.
void fleet_completion_step(Console& k, TimerId self, int next, int enemies, void (*begin)(Console&));

}  // namespace vx
