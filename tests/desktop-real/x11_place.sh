#!/usr/bin/env bash
# The window's place on a real X server with openbox: dragging the console by its
# body, and restarting with "Remember window position" off (centred again), on
# (where it was left) and on a smaller screen (moved wholly onto it).
TEST_NAME=x11-place
source "$(dirname "$0")/lib.sh"

start_x 1600x1000
start_openbox
settings Skin=1 SoundMode=2 SplashScreen=0 FullscreenMode=0 CtrlrOverlay=0
launch
wait_console
expect_state centred "windowed, centred" windowed_now 1 off 100

# drag DX DY: presses on the console's screen glass and moves the pointer by DX, DY
# in steps, the button held.
drag() {
  local x y w h i
  read -r x y w h < <(geometry)
  xdotool mousemove $((x + w / 2)) $((y + h / 3)) mousedown 1
  for i in 1 2 3 4; do xdotool mousemove_relative -- $(($1 / 4)) $(($2 / 4)); done
  xdotool mouseup 1
}
drag 400 120
expect_state dragged "dragged by 400, 120: the grabbed spot stayed under the pointer" windowed_now 1 off 100 936 246
key Escape
wait_program_end

launch
wait_console
expect_state restart-off "restarted, place not remembered: centred" windowed_now 1 off 100

# "Remember window position", the pop-up menu's thirteenth entry (the Zoom sub-menu counts one).
popup_entry 13
remembered() { [ "$(stored RememberPosition)" = 1 ] && [ "$(stored WindowLeft)" = 536 ] && [ "$(stored WindowTop)" = 126 ]; }
poll 10 "the entry turns remembering on and stores the place" remembered
drag 500 100
expect_state dragged-again "dragged by 500, 100" windowed_now 1 off 100 1036 226
key Escape  # at once: the place is stored on the way out
wait_program_end
[ "$(stored WindowLeft),$(stored WindowTop)" = 1036,226 ] || fail "stored $(stored WindowLeft),$(stored WindowTop)"

launch
wait_console
expect_state restart-on "restarted, place remembered: where it was left" windowed_now 1 off 100 1036 226

# A smaller screen: the remembered place would leave the console half off it.
start_x 1024x768
start_openbox
launch
wait_console
expect_state smaller-screen "on a 1024 x 768 screen: moved wholly onto it" windowed_now 1 off 100 496 21
