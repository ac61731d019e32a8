#!/usr/bin/env bash
# Where start-up goes: builds in Release (build-bench/, JOBS=N for the build's
# parallel jobs), runs the program to its first painted console RUNS times (9 by
# default, after one run that warms the caches, the picture cache too) with
# --trace-startup, beside a bare Qt window, and prints per phase the median
# moment it ends (ms from the launch), the wall and CPU time it takes and the
# resident memory at its end;
# then who holds the memory at the first paint: the mappings of the running
# program by owner (/proc/PID/smaps) and, inside the heap, what the program
# itself counts (the skin's pictures by size, the painter's copies, the back
# buffer, the samples). Takes about a minute; the program runs offscreen.
set -euo pipefail
source "$(dirname "$0")/bench_env.sh"
build_release vornix-simulator bare-window assets
runs=${RUNS:-9}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
first_paint() { awk '$1 == "first-paint" { print $2; exit }' "$1"; }

: >"$work/empty.vxs"
echo "Start-up, $runs runs ..." >&2
for i in $(seq 0 "$runs"); do
  t0=${EPOCHREALTIME/./}
  "${simulator[@]}" --script "$work/empty.vxs" --trace-startup "$work/trace.txt" >/dev/null 2>&1
  b0=${EPOCHREALTIME/./}
  "$build/bare-window" >"$work/bare.txt" 2>/dev/null
  ((i > 0)) || continue  # the first pair warms the caches
  awk -v t0="$t0" '$1 == "phase" { print $2, ($3 - t0) / 1000, $4 / 1000, $5 / 1024 }' "$work/trace.txt" >>"$work/phases.txt"
  awk -v b0="$b0" -v t="$(first_paint "$work/bare.txt")" 'BEGIN { print (t - b0) / 1000 }' >>"$work/bare_ms.txt"
done
bare_ms=$(median <"$work/bare_ms.txt")

echo
echo "Start-up by phase: median of $runs runs, $(nproc) cores, load average before: $load"
printf '%-12s %10s %10s %10s %10s  %s\n' phase "ends (ms)" "wall (ms)" "CPU (ms)" "RSS (MB)" "what ends with it"
what() {
  case $1 in
    main) echo "the process started, its shared libraries loaded (the time before main)" ;;
    qt) echo "QApplication" ;;
    settings) echo "the console window's widget, the settings store (QSettings)" ;;
    config) echo "Config.ini and the skin list" ;;
    console) echo "the console's state, the menu's checks, the keys written back" ;;
    forms) echo "the window icon, the about box, the key form, the manual viewer with its six pages checked (hidden)" ;;
    launcher) echo "the launcher with its pictures and the skin's preview (skipped: Play at once)" ;;
    skin) echo "Skin.ini, the skin's pictures (from the picture cache), the back buffer painted (while sound starts)" ;;
    sound) echo "waiting for sound: SDL2 and SDL2_mixer opened, the sound device and the fourteen samples" ;;
    first-paint) echo "the window shown and painted" ;;
  esac
}
prev_wall=0 prev_cpu=0
for phase in $(awk '!seen[$1]++ { print $1 }' "$work/phases.txt"); do
  ends=$(awk -v p="$phase" '$1 == p { print $2 }' "$work/phases.txt" | median)
  cpu=$(awk -v p="$phase" '$1 == p { print $3 }' "$work/phases.txt" | median)
  rss=$(awk -v p="$phase" '$1 == p { print $4 }' "$work/phases.txt" | median)
  awk -v p="$phase" -v e="$ends" -v c="$cpu" -v r="$rss" -v pw="$prev_wall" -v pc="$prev_cpu" -v w="$(what "$phase")" \
    'BEGIN { printf "%-12s %10.1f %10.1f %10.1f %10.1f  %s\n", p, e, e - pw, c - pc, r, w }'
  prev_wall=$ends prev_cpu=$cpu
done
awk -v b="$bare_ms" -v s="$prev_wall" 'BEGIN { printf "a bare Qt window paints at %.1f ms: the console takes %.2f x\n", b, s / b }'

# Who holds the memory at the first paint: a run that stays a second and a half.
printf 'wait 1500\n' >"$work/stay.vxs"
rm -f "$work/trace.txt"
"${simulator[@]}" --script "$work/stay.vxs" --trace-startup "$work/trace.txt" >/dev/null 2>&1 &
sim=$!
started+=("$sim")
for _ in $(seq 100); do
  grep -q '^memory samples' "$work/trace.txt" 2>/dev/null && break
  sleep 0.05
done
cp "/proc/$sim/smaps" "$work/smaps.txt"
wait "$sim"
"$build/bare-window" --stay 1500 >"$work/bare.txt" 2>/dev/null &
bare=$!
started+=("$bare")
for _ in $(seq 100); do
  grep -q first-paint "$work/bare.txt" && break
  sleep 0.05
done
cp "/proc/$bare/smaps" "$work/bare_smaps.txt"
wait "$bare"

# Resident kB of each mapping, by owner.
owners() {
  awk '
    /^[0-9a-f]+-[0-9a-f]+ / { path = (NF >= 6) ? $6 : "" }
    /^Rss:/ {
      o = "other libraries"
      if (path == "" || path ~ /^\[(heap|anon)/) o = "heap and anonymous memory"
      else if (path ~ /^\[stack/) o = "stack"
      else if (path ~ /^\[/) o = "kernel pages (vdso, vvar)"
      else if (path ~ /libQt6|\/qt6\//) o = "Qt libraries and plugins"
      else if (path ~ /libicu/) o = "ICU (Qt text)"
      else if (path ~ /SDL2|fluidsynth|modplug|FLAC|mpg123|opus|vorbis|ogg|sndfile|pulse|asound|jack|instpatch|samplerate|mp3lame|decor|wayland/) o = "SDL2, SDL2_mixer and what they load"
      else if (path ~ /\.argb$/) o = "pictures read in place from the cache"
      else if (path ~ /vornix-simulator|bare-window/) o = "the program"
      else if (path ~ /\.so/) o = "other libraries"
      else o = "files and fonts mapped"
      kb[o] += $2
    }
    END { for (o in kb) print o "|" kb[o] }' "$1"
}
owners "$work/smaps.txt" >"$work/own.txt"
owners "$work/bare_smaps.txt" >"$work/bare_own.txt"
echo
echo "Resident memory at the first paint, by owner (MB)"
printf '%-40s %10s %12s\n' owner console "bare window"
awk -F'|' 'NR == FNR { bare[$1] = $2; next } { all[$1] = $2 } END {
    for (o in bare) if (!(o in all)) all[o] = 0
    for (o in all) { printf "%-40s %10.1f %12.1f\n", o, all[o] / 1024, bare[o] / 1024; s += all[o]; b += bare[o] }
    printf "%-40s %10.1f %12.1f  (%.2f x)\n", "all", s / 1024, b / 1024, s / b }' "$work/bare_own.txt" "$work/own.txt"
echo
echo "Inside the heap, what the program counts at the first paint"
printf '%-30s %6s %10s\n' owner count MB
awk '$1 == "memory" { printf "%-30s %6d %10.2f\n", $2, $3, $4 / 1048576 }' "$work/trace.txt"
