#!/usr/bin/env bash
# The console on a headless Wayland compositor (weston, Qt's wayland platform), for
# one skin: windowed, the key colour's pixels see-through (Wayland shapes input
# only, so they are painted transparent); F12 to full screen, covering the output
# with the backdrop and the console at its offsets; F12 back. The compositor
# places the window, so the tests find it on the screenshot. No tool can type on
# weston here: a script types F12 on the window (`key F12`), each time after a
# marker line on standard output. A stored zoom too large for the screen shows the
# largest level that fits.
SKIN=${1:?usage: wayland_modes.sh SKIN}
TEST_NAME=wayland-modes-skin$SKIN
source "$(dirname "$0")/lib.sh"

start_weston 1600x1000

# wl_windowed_now SKIN STATE ZOOM: the windowed console is somewhere wholly on the
# output and looks right, the desktop showing through its key colour.
wl_windowed_now() {
  local skin=$1 state=$2 zoom=$3 extents bw bh bx by ew eh ex ey gw gh
  shot "$WORK/now.miff" || return 1
  read -r bw bh bx by < <(convert "$WORK/now.miff" -bordercolor "$ROOT_COLOUR" -border 1 -trim \
    -format '%w %h %X %Y' info:)
  extents=$(key_extents "$skin" "$zoom")
  read -r ew eh ex ey < <(echo "$extents" | tr 'x+' '  ')
  read -r gw gh < <(game_size "$skin")
  # Drawn smooth (in-between levels), the edge blends into a pixel of see-through more.
  local slack=$(((zoom % 100 == 0) ? 0 : 2)) w h
  local x=$((bx - 1 - ex - (bw - ew) / 2)) y=$((by - 1 - ey - (bh - eh) / 2))
  w=$(zoomed "$gw" "$zoom") h=$(zoomed "$gh" "$zoom")
  echo "the console's pixels cover ${bw}x${bh}+$((bx - 1))+$((by - 1)), expected ${ew}x${eh}" >"$WORK/why"
  ((bw >= ew && bw <= ew + slack && bh >= eh && bh <= eh + slack)) &&
    ((x >= 0 && y >= 0 && x + w <= SCREEN_W && y + h <= SCREEN_H)) &&
    expect_windowed "$skin" "$state" "$zoom" "$WORK/now.miff" "$x" "$y" 2>"$WORK/why"
}
wl_fullscreen_now() {
  shot "$WORK/now.miff" && expect_fullscreen "$1" "$2" "$WORK/now.miff" 2>"$WORK/why"
}
# marker N: the script has printed its N-th screen (10 lines each).
marker() { [ "$(output_lines)" -ge $(($1 * 10)) ]; }

zoom=150 shown=100 # skin 1 at 150 % is 1121 pixels high
((SKIN == 2)) && zoom=300 shown=150
settings Skin="$SKIN" SoundMode=2 SplashScreen=0 FullscreenMode=0 CtrlrOverlay=0 Zoom="$zoom"
printf 'show\nwait 5000\nkey F12\nshow\nwait 5000\nkey F12\nshow\nwait 600000\n' >"$WORK/switch.vxs"
launch --script "$WORK/switch.vxs"
poll 15 "the console is shown" marker 1
expect_state windowed "windowed at $zoom %: shows $shown %, see-through where the key colour is" \
  wl_windowed_now "$SKIN" off "$shown"
poll 15 "F12 is typed" marker 2
expect_state full "F12: full screen over the whole output" wl_fullscreen_now "$SKIN" off
poll 15 "F12 is typed again" marker 3
expect_state windowed-again "F12 again: windowed, see-through again" wl_windowed_now "$SKIN" off "$shown"

# A full-screen start.
settings Skin="$SKIN" SoundMode=2 SplashScreen=0 FullscreenMode=1 CtrlrOverlay=0
launch
expect_state full-start "full-screen start" wl_fullscreen_now "$SKIN" off
