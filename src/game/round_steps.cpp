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

void fleet_reprise_step(Console& k, TimerId self, TimerId attacking, void (*arm)(Console&)) {
  switch (k.Step) {
    case 1:
      reprise_show_lives(k);
      k.light_mothership_row();
      k.set_interval(self, 1500);
      break;
    case 2:
      reprise_blank(k);
      k.set_interval(self, 1650);
      break;
    case 3:
      k.Vid_Display_Panel_Score(k.Score, true);
      k.Vid_Display_Ship(true);
      k.set_interval(TimerId::Timer_Keypress, 300);
      k.ControlsReady = true;
      arm(k);
      k.set_interval(self, 800);
      break;
    case 4:
      k.light_mothership_row();
      break;
    case 5:
      k.free_attacker_slots();
      k.enable(attacking);
      k.enable(self, false);
      break;
    default:
      break;
  }
  ++k.Step;
}

void fleet_completion_step(Console& k, TimerId self, int next, int enemies, void (*begin)(Console&)) {
  switch (k.Step) {
    case 1:
      completion_blank(k);
      k.set_interval(self, 1800);
      break;
    case 2:
      k.light_mothership_row();
      k.Vid_Display_Panel_Score(k.Score, true);
      k.Vid_Display_Ship(true);
      k.ControlsReady = true;
      k.ShotInFlight = false;
      k.Phase = next;
      k.EnemiesLeft = enemies;
      begin(k);
      k.enable(self, false);
      break;
    default:  // step 0 only waits
      break;
  }
  ++k.Step;
}

}  // namespace vx
