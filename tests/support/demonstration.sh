# Sourced by the installation tests: an installed program's demonstration,
# headless. The stored choices skip the launcher, a script switches the console
# on, and 3.8 s later the window's picture is taken.
# demonstrate PROGRAM CONFIG_HOME: works in the current folder (power.vxs,
# shot.png, shown.txt), keeps its cache in CONFIG_HOME/cache; calls the test's
# fail unless the picture is a PNG and the lit screen and an enemy are shown.
demo_choices='[General]\nSkin=1\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\n'
demonstrate() {
  mkdir -p "$2/Brimlock"
  printf "$demo_choices" > "$2/Brimlock/Vornix50.conf"
  printf 'press power\nwait 4000\n' > power.vxs
  XDG_CONFIG_HOME=$2 XDG_CACHE_HOME=$2/cache QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$1" --no-dialogs --seed 1 \
    --script power.vxs --quit-after 3800 --screenshot shot.png > shown.txt 2> err.txt \
    || { cat err.txt >&2; fail "the demonstration did not run"; }
  [ "$(head -c 8 shot.png | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "the screenshot is no PNG"
  grep -q '^shown im_background_screen_on$' shown.txt || fail "the screen is not on"
  grep -q '^shown im_enemy_0[1-5]_0[78]$' shown.txt || fail "the demonstration shows no enemy"
}
