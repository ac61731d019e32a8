#!/usr/bin/env bash
# Held keys on a real X server (openbox) while three busy processes load the two
# cores: the manual viewer turns exactly one page per held right arrow key (held
# 1.5 to 3 s, with the server's key repeat on), and the console's own actions
# keep repeating their down action while a key is held (select, in the demo).
TEST_NAME=x11-held-keys
source "$(dirname "$0")/lib.sh"

start_x 1600x1000
start_openbox
settings Skin=1 SoundMode=2 SplashScreen=0 FullscreenMode=0 CtrlrOverlay=0
printf 'press power\nwait 600000\n' >"$WORK/power.vxs"
launch --script "$WORK/power.vxs" --trace-input "$WORK/keys.trace"
wait_console
CONSOLE=$WIN
start_busy 3

# page_is N: the manual viewer shows page N (its picture from the top-left corner
# on white; the one-pixel frame and the buttons' corners left out).
page_is() {
  local x y w h
  read -r x y w h < <(geometry)
  shot "$WORK/now.miff" || return 1
  convert "$WORK/now.miff" -crop "${w}x${h}+$x+$y" +repage "$WORK/page.ppm"
  convert -size "${w}x${h}" xc:white "$VORNIX_BUILD/Graphics/Manual/$1.bmp" -composite "$WORK/page-$1.ppm"
  local n
  n=$(differing "$WORK/page.ppm" "$WORK/page-$1.ppm" 0 0 "$w" 1 0 0 1 "$h" $((w - 1)) 0 1 "$h" 0 $((h - 22)) "$w" 22 \
    $((w - 24)) 0 24 24)
  echo "page $1: $n pixels differ" >"$WORK/why"
  ((n == 0))
}

key F4
wait_window Manual
MANUAL=$WIN
expect_state page1 "F4: the manual viewer on page 1" page_is 1
page=1
for hold in 1.5 2 2.5 3; do
  xdotool windowfocus --sync "$MANUAL" keydown Right
  sleep "$hold"  # the key held down: the server repeats it all the while
  xdotool keyup Right
  page=$((page + 1))
  expect_state "page$page" "right arrow held $hold s: page $page" page_is "$page"
done
# Closed and opened again after every key event has been handled: still that page.
xdotool key Escape
hidden() { ! xdotool search --all --onlyvisible --pid "$PROG_PID" --name '^Manual$' >/dev/null 2>&1; }
poll 15 "Esc closes the manual viewer" hidden
WIN=$CONSOLE
key F4
wait_window Manual
expect_state reopened "reopened: page $page, one page per hold" page_is "$page"

# Select held for 1.5 s in the demo: repeated presses reach the console, one release.
WIN=$CONSOLE
before=$(grep -c '^key ' "$WORK/keys.trace" || true)
xdotool windowfocus --sync "$CONSOLE" keydown 2
sleep 1.5
xdotool keyup 2
key Escape
wait_program_end
presses=$(($(grep -c '^key ' "$WORK/keys.trace") - before))
((presses >= 5)) || fail "a held select key reached the console $presses times; its repeat should run the down action again"
note "select held 1.5 s: $presses presses reached the console"
