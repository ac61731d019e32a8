#!/usr/bin/env bash
# Windowed <-> full screen on a real X server with the openbox window manager, for
# one skin: F12 from a windowed start, full screen, and back; then, for skin 1, the
# pop-up menu's entry and the switch in the middle of a game; for skin 2, the game
# menu (opened, looked at, its entry clicked) and full screen fitted to the screen.
SKIN=${1:?usage: x11_modes.sh SKIN}
TEST_NAME=x11-modes-skin$SKIN
source "$(dirname "$0")/lib.sh"

start_x 1600x1000
start_openbox
settings Skin="$SKIN" SoundMode=2 SplashScreen=0 FullscreenMode=0 CtrlrOverlay=0
launch
wait_console

expect_state windowed "windowed at start: centred, shaped by the key colour" windowed_now "$SKIN" off 100
key F12
expect_state full "F12: the whole screen, no shape, backdrop and console at their offsets" fullscreen_now "$SKIN" off
[ "$(stored FullscreenMode)" = 1 ] || fail "full screen was not stored"
key F12
expect_state windowed-again "F12 again: windowed, centred, shaped again" windowed_now "$SKIN" off 100

if ((SKIN == 1)); then
  # The pop-up menu's seventh entry: "Display in fullscreen mode".
  popup_entry 7
  expect_state popup-full "the pop-up entry: full screen" fullscreen_now "$SKIN" off
  # In the middle of a game (started by a script once the demonstration runs; a
  # marker line when it has started): windowed and back, and the game goes on.
  stop_program
  printf 'press power\nwait 3500\npress start\nrelease start\nshow\nwait 6000\ndump\nwait 600000\n' >"$WORK/game.vxs"
  launch --script "$WORK/game.vxs"
  wait_console
  game_started() { [ "$(output_lines)" -ge 10 ]; }
  poll 20 "the game starts" game_started
  key F12
  expect_state game-windowed "mid-game: windowed" windowed_now "$SKIN" on 100
  key F12
  expect_state game-full "mid-game: full screen again" fullscreen_now "$SKIN" on
  poll 20 "the game's state is dumped" grep -q '"GameMode":3' "$WORK/out"
  grep -q '"Lives":5' "$WORK/out" || fail "the game did not go on: $(tail -n 1 "$WORK/out")"
else
  key F12
  expect_state full-again "F12: full screen again" fullscreen_now "$SKIN" off
  # The game menu: its button in the top-left corner opens it over the backdrop.
  xdotool mousemove 18 16 click 1
  menu_open() {
    shot "$WORK/now.miff" || return 1
    convert "$(reference "$SKIN" off "${SCREEN_W}x${SCREEN_H}")" \
      "$VORNIX_BUILD/Graphics/Forms/TForm1/btn_game_menu_background.png" -composite -crop 256x448+0+0 +repage \
      "$WORK/menu-expected.miff"
    convert "$WORK/now.miff" -crop 256x448+0+0 +repage "$WORK/menu.miff"
    # The title bar exactly; the panel as the translucent picture over the backdrop
    # (blended a level apart here and there), but for the entries' white text.
    local title text
    title=$(differing "$WORK/menu.miff" "$WORK/menu-expected.miff" 0 32 256 416)
    text=$(FUZZ=2 differing "$WORK/menu.miff" "$WORK/menu-expected.miff" 0 0 256 32)
    echo "title bar: $title pixels differ, panel: $text" >"$WORK/why"
    ((title == 0 && text > 2000 && text < 256 * 416 / 4))
  }
  expect_state game-menu "the game menu: title bar and 13 rows over the backdrop" menu_open
  # Its ninth row, "Display in fullscreen mode", switches to the window.
  xdotool mousemove 100 $((9 * 32 + 16)) click 1
  expect_state menu-windowed "the game menu's entry: windowed" windowed_now "$SKIN" off 100

  # Full screen fitted: the console fills the screen's height, drawn smooth.
  stop_program
  settings Skin="$SKIN" SoundMode=2 SplashScreen=0 FullscreenMode=0 CtrlrOverlay=0 FullscreenFit=1
  launch
  wait_console
  expect_state fit-windowed "fit on, windowed start" windowed_now "$SKIN" off 100
  key F12
  fitted_now() {
    geometry_is 0 0 "$SCREEN_W" "$SCREEN_H" && shape_is none && shot "$WORK/now.miff" || return 1
    local gw gh cw ch n
    read -r gw gh < <(game_size "$SKIN")
    # The canvas that, scaled by screen height / console height, covers the screen.
    cw=$(((SCREEN_W * gh + SCREEN_H - 1) / SCREEN_H)) ch=$gh
    convert "$(reference "$SKIN" off "${cw}x${ch}")" -filter triangle -resize "${SCREEN_W}x${SCREEN_H}!" \
      "$WORK/fit-expected.miff"
    read -r sx sy sw sh < <(screen_box "$SKIN" $((SCREEN_H * 100 / gh)) $(((cw - gw) / 2 * SCREEN_H / gh)) 0)
    n=$(FUZZ=12 differing "$WORK/now.miff" "$WORK/fit-expected.miff" 0 0 60 50 "$sx" "$sy" $((sw + 4)) $((sh + 4)))
    echo "$n pixels differ from the fitted skin" >"$WORK/why"
    ((n < SCREEN_W * SCREEN_H / 50))
  }
  expect_state fit-full "fit on: full screen, the console as high as the screen" fitted_now
fi
