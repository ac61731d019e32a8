#!/usr/bin/env bash
# Zoom on a real X server with openbox, on a screen of the given size: every
# stored level, both skins, shows the largest level that fits the screen (never
# below 100 %), centred, shaped and drawn right. On 1920 x 1080 also the zoom keys:
# the window keeps its centre and stays wholly on the screen, also from a corner.
SIZE=${1:?usage: x11_zoom.sh WxH}
TEST_NAME=x11-zoom-$SIZE
source "$(dirname "$0")/lib.sh"

start_x "$SIZE"
start_openbox

# shown_level SKIN WANTED: the level that fits this screen, as the program must choose it.
shown_level() {
  local gw gh level shown=100
  read -r gw gh < <(game_size "$1")
  for level in 100 150 200 300; do
    ((level <= $2 && $(zoomed "$gw" "$level") <= SCREEN_W && $(zoomed "$gh" "$level") <= SCREEN_H)) && shown=$level
  done
  echo "$shown"
}

levels=(100 150 200 300)
[ "$SIZE" = 3840x2160 ] && levels=(300)  # where 200 % (skin 1) and 300 % (skin 2) fit
for skin in 1 2; do
  for wanted in "${levels[@]}"; do
    shown=$(shown_level "$skin" "$wanted")
    settings Skin="$skin" SoundMode=2 SplashScreen=0 FullscreenMode=0 CtrlrOverlay=0 Zoom="$wanted"
    launch
    wait_console
    expect_state "skin$skin-zoom$wanted" "skin $skin, stored $wanted %: shows $shown %" windowed_now "$skin" off "$shown"
    [ "$(stored Zoom)" = "$wanted" ] || fail "the stored choice $wanted % was not kept"
  done
done

if [ "$SIZE" = 1920x1080 ]; then
  # Skin 2 from 100 %: 150 % fits, 200 % and 300 % do not. The window grows about its centre.
  settings Skin=2 SoundMode=2 SplashScreen=0 FullscreenMode=0 CtrlrOverlay=0 Zoom=100
  launch
  wait_console
  expect_state keys-100 "zoom keys: 100 % at start" windowed_now 2 off 100
  key ctrl+plus
  expect_state keys-150 "Ctrl+Plus: 150 %, same centre" windowed_now 2 off 150
  key ctrl+plus ctrl+plus
  expect_state keys-300 "Ctrl+Plus twice more: still 150 %, on the screen" windowed_now 2 off 150
  [ "$(stored Zoom)" = 200 ] || fail "Ctrl+Plus from the level in effect should choose 200 %, stored $(stored Zoom)"
  key ctrl+0
  expect_state keys-0 "Ctrl+0: 100 %, centred again" windowed_now 2 off 100
  # From the bottom-right corner, a larger window moves wholly onto the screen.
  xdotool windowmove --sync "$WIN" $((SCREEN_W - 760)) $((SCREEN_H - 600))
  expect_state corner "moved to the bottom-right corner" windowed_now 2 off 100 $((SCREEN_W - 760)) $((SCREEN_H - 600))
  key ctrl+plus
  expect_state corner-150 "Ctrl+Plus in the corner: 150 %, wholly on the screen" \
    windowed_now 2 off 150 $((SCREEN_W - 1140)) $((SCREEN_H - 900))
fi
