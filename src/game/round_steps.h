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

}  // namespace vx
