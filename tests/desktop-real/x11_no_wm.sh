#!/usr/bin/env bash
# Full screen on an X server with no window manager: nobody grants a full-screen
# state there, so the window itself is screen-sized and at 0, 0. From a windowed
# start (skin 1) and from a full-screen start (skin 2), F12 twice each.
TEST_NAME=x11-no-wm
source "$(dirname "$0")/lib.sh"

start_x 1024x768

settings Skin=1 SoundMode=2 SplashScreen=0 FullscreenMode=0 CtrlrOverlay=0
launch
wait_console
expect_state skin1-windowed "skin 1, windowed start" windowed_now 1 off 100
key F12
expect_state skin1-full "skin 1, F12: full screen" fullscreen_now 1 off
key F12
expect_state skin1-windowed-again "skin 1, F12: windowed again" windowed_now 1 off 100

settings Skin=2 SoundMode=2 SplashScreen=0 FullscreenMode=1 CtrlrOverlay=0
launch
wait_console
expect_state skin2-full "skin 2, full-screen start" fullscreen_now 2 off
key F12
expect_state skin2-windowed "skin 2, F12: windowed" windowed_now 2 off 100
key F12
expect_state skin2-full-again "skin 2, F12: full screen again" fullscreen_now 2 off
