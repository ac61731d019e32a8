# The real-desktop tests' shared part (sourced): real servers (Xvfb with or without
# openbox, a headless weston), the real program with a settings folder of its own,
# and judges that look at what a player sees: screenshots compared by pixels with
# what the skin should show (make-assets --compose), the window's shape
# (xwininfo -shape), its place and size. Nothing waits a fixed time: every wait
# polls for its condition and fails the test when a bounded time has passed.
#
# VORNIX_BUILD names the build folder (the program, make-assets and the data).
# Screenshots are kept in $VORNIX_BUILD/desktop-real/<test>/ for a person to look at.
set -euo pipefail

: "${VORNIX_BUILD:?VORNIX_BUILD must name the build folder}"
# What the suite drives (tools/setup.sh installs it): without it the test is skipped.
for tool in Xvfb openbox weston weston-screenshooter xdotool xwininfo xprop xsetroot import convert compare; do
  command -v "$tool" >/dev/null || {
    echo "SKIPPED: $tool is not installed (tools/setup.sh installs it)"
    exit 77
  }
done
PROGRAM=$VORNIX_BUILD/vornix-simulator
TEST_NAME=${TEST_NAME:-$(basename "$0" .sh)}
SHOTS=$VORNIX_BUILD/desktop-real/$TEST_NAME
rm -rf "$SHOTS"
mkdir -p "$SHOTS"
WORK=$(mktemp -d)
# The desktop behind the console: a green no skin uses, so see-through pixels show.
ROOT_COLOUR='#1E8C5A'
export XDG_CONFIG_HOME=$WORK/config XDG_CACHE_HOME=$WORK/cache SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM WAYLAND_DISPLAY DISPLAY QT_SCALE_FACTOR
PLATFORM=none
BUSY_PIDS=()

cleanup() {
  local status=$?
  for pid in ${PROG_PID:-} "${BUSY_PIDS[@]}" ${WM_PID:-} ${X_PID:-} ${WESTON_PID:-}; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  ((status == 0)) || echo "screenshots of this run: $SHOTS" >&2
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
note() { echo "-- $*"; }

now_ms() { date +%s%3N; }
# poll SECONDS WHAT COMMAND...: runs COMMAND until it succeeds; the test fails
# with WHAT when SECONDS have passed.
poll() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$(($(now_ms) + seconds * 1000))
  until "$@"; do
    (($(now_ms) < deadline)) || fail "$what (waited ${seconds} s)"
    sleep 0.05
  done
}

# --- servers --------------------------------------------------------------------

# start_x WxH: a fresh X server of that size (no window manager), its desktop
# painted ROOT_COLOUR. A server started before is stopped first.
start_x() {
  stop_x
  : >"$WORK/display"
  # -noreset: the desktop keeps its colour when a client (xsetroot) leaves.
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
  X_PID=$!
  poll 20 "the X server starts" test -s "$WORK/display"
  export DISPLAY=:$(head -n 1 "$WORK/display")
  xsetroot -solid "$ROOT_COLOUR"
  SCREEN_W=${1%x*} SCREEN_H=${1#*x} PLATFORM=x11
}
stop_x() {
  stop_program
  [ -n "${WM_PID:-}" ] && { kill "$WM_PID" 2>/dev/null || true; wait "$WM_PID" 2>/dev/null || true; }
  [ -n "${X_PID:-}" ] && { kill "$X_PID" 2>/dev/null || true; wait "$X_PID" 2>/dev/null || true; }
  WM_PID='' X_PID=''
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_openbox() {
  openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  WM_PID=$!
  poll 20 "openbox manages the screen" wm_running
  xsetroot -solid "$ROOT_COLOUR"  # openbox clears the desktop as it starts
}

# start_weston WxH: a headless Wayland compositor of that size, background ROOT_COLOUR.
start_weston() {
  export XDG_RUNTIME_DIR=$WORK/runtime
  mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$WORK/wshots"
  cat >"$WORK/weston.ini" <<EOF
[core]
idle-time=0
[shell]
background-color=0xff${ROOT_COLOUR#\#}
panel-position=none
locking=false
EOF
  # --debug lets weston-screenshooter take screenshots.
  weston --backend=headless-backend.so --use-pixman --width="${1%x*}" --height="${1#*x}" --socket=vornix-test \
    --config="$WORK/weston.ini" --idle-time=0 --debug >"$WORK/weston.log" 2>&1 &
  WESTON_PID=$!
  export WAYLAND_DISPLAY=vornix-test QT_QPA_PLATFORM=wayland
  SCREEN_W=${1%x*} SCREEN_H=${1#*x} PLATFORM=wayland
  poll 20 "weston shows its desktop" desktop_shown
}
desktop_shown() {
  shot "$WORK/desktop.miff" 2>/dev/null && [ "$(pixel "$WORK/desktop.miff" 1 1)" = "$(colour "$ROOT_COLOUR")" ]
}

# start_busy N: N processes that keep a core busy each, until the test ends.
start_busy() {
  for ((i = 0; i < $1; ++i)); do
    sh -c 'while :; do :; done' &
    BUSY_PIDS+=($!)
  done
}

# --- the program ----------------------------------------------------------------

SETTINGS=$XDG_CONFIG_HOME/Brimlock/Vornix50.conf
# settings NAME=VALUE...: the settings the program finds at its next start.
settings() {
  mkdir -p "$(dirname "$SETTINGS")"
  { echo '[General]'; printf '%s\n' "$@"; } >"$SETTINGS"
}
stored() { sed -n "s/^$1=//p" "$SETTINGS"; }

# launch ARGS...: starts the program from the build folder (its data folder).
launch() {
  stop_program
  "$PROGRAM" --no-dialogs "$@" >"$WORK/out" 2>"$WORK/err" &
  PROG_PID=$!
}
stop_program() {
  [ -n "${PROG_PID:-}" ] || return 0
  kill "$PROG_PID" 2>/dev/null || true
  wait "$PROG_PID" 2>/dev/null || true
  PROG_PID=''
}
program_ended() { ! kill -0 "$PROG_PID" 2>/dev/null; }
# wait_program_end: the program ends by itself (after Esc, or its script).
wait_program_end() {
  poll 15 "the program ends" program_ended
  local status=0
  wait "$PROG_PID" || status=$?
  PROG_PID=''
  ((status == 0)) || fail "the program ended with status $status: $(cat "$WORK/err")"
}
# output_lines: how many lines the program has printed (a script's `show` markers).
output_lines() { wc -l <"$WORK/out"; }

# find_window TITLE: sets WIN to the program's shown window of that title.
find_window() {
  WIN=$(xdotool search --all --onlyvisible --pid "$PROG_PID" --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$WIN" ]
}
wait_window() { poll 15 "the window '$1' appears" find_window "$1"; }
wait_console() { wait_window 'Vornix \(Orvane\) Simulator'; }

# geometry: "X Y WIDTH HEIGHT" of WIN on the screen.
geometry() {
  xwininfo -id "$WIN" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
                             /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}
# shape: the extents of WIN's shape ("504x741+12+4"), "none" when it has none.
shape() {
  local s
  s=$(xwininfo -id "$WIN" -shape | sed -n 's/.*Window shape extents: *//p')
  echo "${s:-none}"
}
geometry_is() { [ "$(geometry)" = "$*" ]; }
shape_is() { [ "$(shape)" = "$1" ]; }

# key KEYS...: typed on the console window (xdotool names: F12, ctrl+plus, ...).
key() { xdotool windowfocus --sync "$WIN" key --clearmodifiers "$@"; }
# popup_entry N: the N-th entry of the console's pop-up menu (separators and
# disabled entries are skipped), opened by a right click on the console.
popup_entry() {
  local x y w h
  read -r x y w h < <(geometry)
  xdotool mousemove $((x + w / 2)) $((y + h - 40)) click 3
  poll 10 "the pop-up menu opens" find_popup
  xdotool key --repeat "$1" --delay 30 Down key Return
}
find_popup() { xdotool search --onlyvisible --pid "$PROG_PID" 2>/dev/null | grep -qv "^$WIN\$"; }

# --- looking at the screen ------------------------------------------------------

# shot FILE: the whole screen as the player sees it (.miff: quick to write and read).
shot() {
  if [ "$PLATFORM" = wayland ]; then
    rm -f "$WORK"/wshots/*.png
    (cd "$WORK/wshots" && weston-screenshooter >/dev/null 2>&1) || return 1
    convert "$WORK"/wshots/*.png "$1"
  else
    import -window root "$1"
  fi
}
# pixel FILE X Y: the colour at a point, as "srgb(r,g,b)".
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info: | sed 's/srgba\?(\([0-9]*,[0-9]*,[0-9]*\).*/srgb(\1)/'; }
colour() { convert xc:"$1" -format '%[pixel:p{0,0}]' info:; }

# skin_value SKIN SECTION KEY: a value of a skin's description.
skin_value() {
  awk -F= -v section="[$2]" -v key="$3" '{sub(/\r$/, "")} $0 == section {on = 1; next} /^\[/ {on = 0}
                                          on && $1 == key {print $2; exit}' "$VORNIX_BUILD/Graphics/Skin$1/Skin.ini"
}
game_size() { echo "$(skin_value "$1" Common GameWidth) $(skin_value "$1" Common GameHeight)"; }
# screen_box SKIN ZOOM OX OY: the emulated screen (im_background_screen_on, whose
# lit cells and panel follow the game) as "X Y W H" on a window at ZOOM percent
# whose console starts at OX,OY.
screen_box() {
  local l t w h
  l=$(skin_value "$1" Image3 Left) t=$(skin_value "$1" Image3 Top)
  w=$(skin_value "$1" Image3 Width) h=$(skin_value "$1" Image3 Height)
  echo $(($3 + l * $2 / 100)) $(($4 + t * $2 / 100)) $(((w * $2 + 99) / 100)) $(((h * $2 + 99) / 100))
}
# zoomed SIZE PERCENT: a window side at a zoom level, as the program rounds it.
zoomed() { echo $((($1 * $2 + 50) / 100)); }

# reference SKIN STATE [WxH]: what the skin should show (make-assets --compose),
# windowed with the key colour see-through, or full screen on a WxH screen.
reference() {
  local out=$WORK/ref-$1-$2-${3:-window}.png
  if [ ! -f "$out" ]; then
    if [ -n "${3:-}" ]; then
      "$VORNIX_BUILD/make-assets" --compose "$VORNIX_BUILD/Graphics/Skin$1" --state "$2" --fullscreen "$3" --out "$out"
    else
      "$VORNIX_BUILD/make-assets" --compose "$VORNIX_BUILD/Graphics/Skin$1" --state "$2" --key transparent --out "$out"
    fi
  fi 2>/dev/null
  echo "$out"
}

# differing A B [X Y W H]...: how many pixels of two same-sized pictures differ,
# leaving out the rectangles given. FUZZ (a percentage) lets near colours pass.
differing() {
  local a=$1 b=$2 draw=()
  shift 2
  while (($# >= 4)); do
    draw+=(-draw "rectangle $1,$2 $(($1 + $3 - 1)),$(($2 + $4 - 1))")
    shift 4
  done
  convert "$a" -alpha off -fill black "${draw[@]}" "$WORK/a.ppm"
  convert "$b" -alpha off -fill black "${draw[@]}" "$WORK/b.ppm"
  # A large count comes as 1.2e+06.
  printf '%.0f\n' "$(compare -fuzz "${FUZZ:-0}%" -metric AE "$WORK/a.ppm" "$WORK/b.ppm" null: 2>&1 || true)"
}

# expect_windowed SKIN STATE ZOOM SHOT X Y: the screenshot shows the windowed
# console at X,Y, ZOOM percent: the skin's pixels where it has them (the emulated
# screen left out), the desktop where the key colour is. Prints a reason and
# returns 1 otherwise.
expect_windowed() {
  local skin=$1 state=$2 zoom=$3 file=$4 x=$5 y=$6 gw gh w h filter=point
  read -r gw gh < <(game_size "$skin")
  w=$(zoomed "$gw" "$zoom") h=$(zoomed "$gh" "$zoom")
  ((zoom % 100 == 0)) || filter=triangle
  convert "$(reference "$skin" "$state")" -filter "$filter" -resize "${w}x${h}!" -background "$ROOT_COLOUR" -flatten \
    "$WORK/expected.miff"
  convert "$file" -crop "${w}x${h}+$x+$y" +repage "$WORK/got.miff"
  local n allowed=0
  # In-between levels draw smooth: Qt's filter and ImageMagick's round edges differently.
  ((zoom % 100 == 0)) || allowed=$((w * h / 50))
  n=$(FUZZ=$(((zoom % 100 == 0) ? 0 : 12)) differing "$WORK/got.miff" "$WORK/expected.miff" $(screen_box "$skin" "$zoom" 0 0))
  ((n <= allowed)) || {
    echo "$file: $n pixels of the windowed console at $x,$y differ from the skin" >&2
    return 1
  }
}

# expect_fullscreen SKIN STATE SHOT: the whole screen shows the backdrop, the logo
# and the console at its offsets (the emulated screen left out), and the game-menu
# button in the top-left corner.
expect_fullscreen() {
  local skin=$1 state=$2 file=$3 gw gh n
  read -r gw gh < <(game_size "$skin")
  local ox=$(((SCREEN_W - gw) / 2)) oy=$(((SCREEN_H - gh) / 2))
  n=$(differing "$file" "$(reference "$skin" "$state" "${SCREEN_W}x${SCREEN_H}")" 0 0 36 32 \
    $(screen_box "$skin" 100 "$ox" "$oy"))
  ((n == 0)) || {
    echo "$file: $n pixels of the full screen differ from the skin's backdrop and console" >&2
    return 1
  }
  convert "$file" -crop 36x32+0+0 +repage "$WORK/button.ppm"
  convert "$VORNIX_BUILD/Graphics/Forms/TForm1/btn_game_menu_background.png" -crop 36x32+0+0 +repage "$WORK/icon.ppm"
  n=$(differing "$WORK/button.ppm" "$WORK/icon.ppm")
  ((n == 0)) || {
    echo "$file: the game-menu button is not in the top-left corner ($n pixels differ)" >&2
    return 1
  }
}

# centred_place W H: where the program centres a window of that size.
centred_place() {
  local x=$(((SCREEN_W - $1) / 2)) y=$(((SCREEN_H - $2) / 2))
  echo $((x < 0 ? 0 : x)) $((y < 0 ? 0 : y))
}
# key_extents SKIN ZOOM: the windowed console's shape extents at ZOOM percent,
# from the reference picture's see-through border.
key_extents() {
  local gw gh w h
  read -r gw gh < <(game_size "$1")
  w=$(zoomed "$gw" "$2") h=$(zoomed "$gh" "$2")
  convert "$(reference "$1" off)" -filter point -resize "${w}x${h}!" -alpha extract -threshold 0 -trim \
    -format '%wx%h%X%Y' info:
}

# --- X11 checks of a whole state, polled until they hold ----------------------

# windowed_now SKIN STATE ZOOM [X Y]: the console window is windowed at ZOOM
# (centred unless X Y are given), shaped by the key colour, and looks right.
windowed_now() {
  local skin=$1 state=$2 zoom=$3 gw gh w h x y
  read -r gw gh < <(game_size "$skin")
  w=$(zoomed "$gw" "$zoom") h=$(zoomed "$gh" "$zoom")
  if (($# >= 5)); then x=$4 y=$5; else read -r x y < <(centred_place "$w" "$h"); fi
  geometry_is "$x" "$y" "$w" "$h" && shape_is "$(key_extents "$skin" "$zoom")" &&
    shot "$WORK/now.miff" && expect_windowed "$skin" "$state" "$zoom" "$WORK/now.miff" "$x" "$y" 2>"$WORK/why"
}
# fullscreen_now SKIN STATE: the console window covers the screen unshaped and looks right.
fullscreen_now() {
  geometry_is 0 0 "$SCREEN_W" "$SCREEN_H" && shape_is none &&
    shot "$WORK/now.miff" && expect_fullscreen "$1" "$2" "$WORK/now.miff" 2>"$WORK/why"
}
# expect_state NAME WHAT CHECK...: polls CHECK; keeps the last screenshot as NAME.png.
expect_state() {
  local name=$1 what=$2
  shift 2
  local seconds=10 deadline
  deadline=$(($(now_ms) + seconds * 1000))
  : >"$WORK/why"
  until "$@"; do
    if (($(now_ms) >= deadline)); then
      [ -f "$WORK/now.miff" ] && convert "$WORK/now.miff" "$SHOTS/$name.png"
      fail "$what: geometry $(geometry 2>/dev/null || echo '?'), shape $(shape 2>/dev/null || echo '?'); $(cat "$WORK/why")"
    fi
    sleep 0.05
  done
  convert "$WORK/now.miff" "$SHOTS/$name.png"
  note "$what"
}
