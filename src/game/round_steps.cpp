#include "game/round_steps.h"

namespace vx {

void start_completion(Console& k, TimerId completion) {
  k.Gam_Stop_All_Timers();
  k.ControlsReady = false;
  k.Step = 0;
  k.start_timer(completion, 100);
}

void resume_after_hit(Console& k, TimerId play_timer, TimerId hit_timer) {
  k.enable(play_timer);
  k.enable(TimerId::Timer_Phase123_Enemy_Fire);
  k.ShotInFlight = false;
  k.ControlsReady = true;
  k.enable(hit_timer, false);
}

void reprise_show_lives(Console& k) {
  k.ShipCol = 3;
  k.Vid_Display_Ship(true);
  k.Vid_Display_Panel_Lives(k.Lives, true);
}

void reprise_blank(Console& k) {
  k.Gam_Reset_Numeric_Arrays();
  k.Vid_Display_All_Sprites(false);
  k.Snd_Play(Effect::Start);
}

void completion_blank(Console& k) {
  k.Vid_Display_All_Sprites(false);
  k.Gam_Reset_Numeric_Arrays();
  k.Gam_Phase123_Set_Sprites();
  k.Snd_Play(Effect::Phase);
}

}  // namespace vx
