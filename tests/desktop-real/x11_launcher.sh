#!/usr/bin/env bash
# From the launcher to the console on a real X server with openbox: the launcher
# shows alone (a first start with its choices stored), Enter plays, and the console
# comes up in full screen (the default) over the whole screen.
TEST_NAME=x11-launcher
source "$(dirname "$0")/lib.sh"

start_x 1280x1024
start_openbox
settings Skin=2 SoundMode=2 CtrlrOverlay=0
launch
wait_window 'About this game\.\.\.'
# Only the launcher shows: the console window, not yet given its skin, shows nothing
# (a window manager puts a window shown off the screen onto it).
only_launcher() {
  local x y w h left right top bottom drawn
  read -r x y w h < <(geometry)
  # The launcher has a frame of openbox's.
  read -r left right top bottom < <(xprop -id "$WIN" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')
  shot "$WORK/now.miff" || return 1
  drawn=$(convert "$WORK/now.miff" -bordercolor "$ROOT_COLOUR" -border 1 -trim -format '%w %h %X %Y' info:)
  echo "drawn on the desktop: $drawn; the launcher in its frame: $w $h $x $y" >"$WORK/why"
  [ "$drawn" = "$((w + left + right)) $((h + top + bottom)) +$((x - left + 1)) +$((y - top + 1))" ]
}
expect_state launcher "the launcher alone on the screen" only_launcher
xdotool windowfocus --sync "$WIN" key Return
wait_console
expect_state full "Play: the console in full screen" fullscreen_now 2 off
