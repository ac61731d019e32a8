#!/usr/bin/env bash
# The player's pause and screenshot on a real X server with openbox, windowed:
# Pause shows a steady sign over the emulated screen, never on its panel, and the
# rest of the console stays as the skin draws it; Pause again takes it away. F9
# writes the window as the screen shows it (sign and all) into the pictures folder
# the desktop names, under vornix-simulator, and says so on the window for a moment.
SKIN=${1:?usage: x11_pause_and_screenshot.sh SKIN}
TEST_NAME=x11-pause-and-screenshot-skin$SKIN
source "$(dirname "$0")/lib.sh"

start_x 1600x1000
start_openbox
PICTURES=$WORK/pictures
mkdir -p "$XDG_CONFIG_HOME"
echo "XDG_PICTURES_DIR=\"$PICTURES\"" >"$XDG_CONFIG_HOME/user-dirs.dirs"
settings Skin="$SKIN" SoundMode=2 SplashScreen=0 FullscreenMode=0 CtrlrOverlay=0
launch
wait_console
expect_state running "the console at rest, windowed" windowed_now "$SKIN" off 100
read -r WX WY WW WH < <(geometry)
crop_window() { convert "$1" -crop "${WW}x${WH}+$WX+$WY" +repage "$2"; }
crop_window "$WORK/now.miff" "$WORK/running.miff"

# The panel: the four digit places (Image18 to Image21 of the skin), on the window.
panel_box() {
  local l=99999 t=99999 r=0 b=0 n x y w h
  for n in 18 19 20 21; do
    x=$(skin_value "$SKIN" "Image$n" Left) y=$(skin_value "$SKIN" "Image$n" Top)
    w=$(skin_value "$SKIN" "Image$n" Width) h=$(skin_value "$SKIN" "Image$n" Height)
    ((x < l)) && l=$x
    ((y < t)) && t=$y
    ((x + w > r)) && r=$((x + w))
    ((y + h > b)) && b=$((y + h))
  done
  echo "$l $t $((r - l)) $((b - t))"
}
read -r PX PY PW PH < <(panel_box)
read -r SX SY SW SH < <(screen_box "$SKIN" 100 0 0)

key Pause
# changed_box A B: "W H X Y" of the pixels that differ between two window pictures.
changed_box() {
  compare -metric AE "$1" "$2" -compose src -highlight-color white -lowlight-color black "$WORK/diff.miff" 2>/dev/null || true
  convert "$WORK/diff.miff" -trim -format '%w %h %X %Y' info: | tr -d '+'
}
sign_shown() {
  shot "$WORK/now.miff" && crop_window "$WORK/now.miff" "$WORK/paused.miff" || return 1
  local w h x y
  read -r w h x y < <(changed_box "$WORK/running.miff" "$WORK/paused.miff")
  echo "changed: ${w}x$h at $x,$y; screen ${SW}x$SH at $SX,$SY; panel ${PW}x$PH at $PX,$PY" >"$WORK/why"
  # A sign of some size, wholly on the emulated screen, apart from the panel.
  ((w > SW / 3 && h > 10)) || return 1
  ((x >= SX && y >= SY && x + w <= SX + SW && y + h <= SY + SH)) || return 1
  ((x + w <= PX || PX + PW <= x || y + h <= PY || PY + PH <= y))
}
expect_state paused "Pause: a sign over the emulated screen, off the panel" sign_shown
# The rest of the console is the skin's, and the sign holds still.
expect_windowed "$SKIN" off 100 "$WORK/now.miff" "$WX" "$WY" || fail "Pause changed the console outside its screen"
cp "$WORK/paused.miff" "$WORK/sign.miff"
for i in 1 2 3 4 5; do
  shot "$WORK/again.miff"
  crop_window "$WORK/again.miff" "$WORK/again-window.miff"
  n=$(differing "$WORK/again-window.miff" "$WORK/sign.miff")
  ((n == 0)) || { convert "$WORK/again.miff" "$SHOTS/sign-moved.png"; fail "the sign is not steady ($n pixels changed, shot $i)"; }
done
note "the sign holds still over five screenshots"

# F9: the window as shown, sign and all, as vornix-YYYY-MM-DD_HH-MM-SS.png.
key F9
saved() { compgen -G "$PICTURES/vornix-simulator/vornix-*.png" >/dev/null; }
poll 10 "F9 writes a picture into the pictures folder" saved
FILE=$(compgen -G "$PICTURES/vornix-simulator/vornix-*.png" | head -n 1)
[[ $(basename "$FILE") =~ ^vornix-[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{2}-[0-9]{2}-[0-9]{2}\.png$ ]] ||
  fail "the screenshot's name: $(basename "$FILE")"
cp "$FILE" "$SHOTS/f9-screenshot.png"
[ "$(identify -format '%wx%h' "$FILE")" = "${WW}x$WH" ] || fail "the screenshot is not the window's size"
n=$(differing "$FILE" "$WORK/sign.miff")
((n == 0)) || fail "the screenshot differs from the window as shown in $n pixels"
note "F9: $(basename "$FILE"), the window as shown"
# The window says where, then the note goes by itself and the sign stays.
note_said() {
  shot "$WORK/now.miff" && crop_window "$WORK/now.miff" "$WORK/noted.miff" || return 1
  (($(differing "$WORK/noted.miff" "$WORK/sign.miff") > 200))
}
expect_state noted "F9: a note on the window" note_said
note_gone() {
  shot "$WORK/now.miff" && crop_window "$WORK/now.miff" "$WORK/later.miff" || return 1
  (($(differing "$WORK/later.miff" "$WORK/sign.miff") == 0))
}
expect_state note-gone "the note goes by itself; the sign stays" note_gone

key Pause
sign_gone() {
  shot "$WORK/now.miff" && crop_window "$WORK/now.miff" "$WORK/back.miff" || return 1
  (($(differing "$WORK/back.miff" "$WORK/running.miff") == 0))
}
expect_state resumed "Pause again: the sign is gone" sign_gone
