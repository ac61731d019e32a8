#!/usr/bin/env bash
# The performance table: builds in Release (build-bench/, JOBS=N for the build's
# parallel jobs), then measures the core's speed, skin loading, painting, hostile
# pictures, start-up, the idle cost of the demonstration, the peak memory of a
# game and the start-up and memory of the worst skin, and prints one table: each
# figure, its target, and for the whole-program figures the same figure of a bare
# Qt window doing nothing, measured in this run.
# Takes about three minutes; the program runs offscreen.
set -euo pipefail
source "$(dirname "$0")/bench_env.sh"
build_release core-bench display-bench picture-bench worst-skin bare-window vornix-simulator assets

rows=()
# row FIGURE MEASURED TARGET BARE RATIO VERDICT
row() { rows+=("$1|$2|$3|$4|$5|$6"); }
# verdict VALUE <=|>= TARGET
verdict() { awk -v v="$1" -v op="$2" -v t="$3" 'BEGIN { print ((op == "<=" ? v <= t : v >= t) ? "met" : "MISSED") }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f x", a / b; else print "-" }'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "Core speed, skin loading, painting, hostile pictures ..." >&2
x=$("$build/core-bench" --benchmark_format=csv 2>/dev/null | awk -F, '$1 == "\"BM_CoreVirtualPlay\"" { print $NF }')
row "core speed (virtual play per wall second)" "$(printf '%.0f x' "$x")" ">= 20000 x" "" "" "$(verdict "$x" '>=' 20000)"

# Google Benchmark's CSV: name, iterations, real_time, cpu_time, time_unit, ...
"$build/display-bench" --benchmark_format=csv 2>/dev/null | tr -d '"' | awk -F, 'NR > 1 { print $1, $3 }' >"$work/display.txt"
while read -r name ms; do
  IFS=/ read -r kind skin mode <<<"$name"
  case $kind in
    skin_load) figure="skin load, $skin ($mode)" target=40
      if [ "$mode" = windowed ]; then target=10; fi ;;
    skin_load_uncached)  # information: the first start, before the picture cache holds the skin
      row "skin load, $skin ($mode), picture cache empty (every picture decoded)" "$(printf '%.3f ms' "$ms")" "" "" "" ""
      continue ;;
    paint_whole) figure="paint the whole console, $skin ($mode)" target=2 ;;
    paint_cell) figure="paint one changed cell, $skin ($mode)" target=0.2 ;;
  esac
  row "$figure" "$(printf '%.3f ms' "$ms")" "<= $target ms" "" "" "$(verdict "$ms" '<=' "$target")"
done <"$work/display.txt"

"$build/picture-bench" --benchmark_format=csv 2>/dev/null | tr -d '"' | awk -F, 'NR > 1 { print $1, $3, $NF }' >"$work/pictures.txt"
while read -r name ms kb; do
  row "hostile picture refused: ${name#refuse/} (largest allocation $(printf '%.0f' "$kb") kB)" \
    "$(printf '%.3f ms' "$ms")" "<= 100 ms" "" "" "$(verdict "$ms" '<=' 100)"
done <"$work/pictures.txt"

# Start-up: from the launch to the end of the first paint of the console (an empty
# script ends the program right after it), against the bare window's first paint.
# The CPU time of each whole run (start to exit) is given beside: on a busy machine
# the wall time grows with what else runs, the CPU time hardly. The first run
# fills the picture cache that the others read; each first-run figure starts
# with a cache folder of its own, empty, as a player's very first start does.
echo "Start-up ..." >&2
: >"$work/empty.vxs"
first_paint() { awk '$1 == "first-paint" { print $2; exit }' "$work/first.txt"; }
since() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f\n", (b - a) / 1000 }'; }
TIMEFORMAT='%3U %3S'
cpu_ms() { awk '{ printf "%.0f\n", ($1 + $2) * 1000 }' "$work/cpu.txt"; }
for i in $(seq 0 9); do
  t0=${EPOCHREALTIME/./}
  { time "${simulator[@]}" --script "$work/empty.vxs" --trace-input "$work/first.txt" >/dev/null 2>&1; } 2>"$work/cpu.txt"
  sim_ms=$(since "$t0" "$(first_paint)") sim_cpu=$(cpu_ms)
  t0=${EPOCHREALTIME/./}
  { time "$build/bare-window" >"$work/first.txt" 2>/dev/null; } 2>"$work/cpu.txt"
  bare_ms=$(since "$t0" "$(first_paint)") bare_cpu=$(cpu_ms)
  if ((i > 0)); then  # the first pair warms the caches
    echo "$sim_ms" >>"$work/start_sim.txt"
    echo "$bare_ms" >>"$work/start_bare.txt"
    echo "$sim_cpu" >>"$work/cpu_sim.txt"
    echo "$bare_cpu" >>"$work/cpu_bare.txt"
    t0=${EPOCHREALTIME/./}
    { time XDG_CACHE_HOME=$work/first-run$i "${simulator[@]}" --script "$work/empty.vxs" --trace-input "$work/first.txt" \
      >/dev/null 2>&1; } 2>"$work/cpu.txt"
    since "$t0" "$(first_paint)" >>"$work/start_cold.txt"
    cpu_ms >>"$work/cpu_cold.txt"
  fi
done
sim_ms=$(median <"$work/start_sim.txt")
bare_ms=$(median <"$work/start_bare.txt")
r=$(ratio "$sim_ms" "$bare_ms")
ok=$(verdict "$sim_ms" '<=' 400)
[ "$ok" = met ] && ok=$(verdict "${r% x}" '<=' 3)
row "start-up to the first painted console (median of 9)" "$sim_ms ms (CPU $(median <"$work/cpu_sim.txt") ms)" \
  "<= 400 ms, <= 3 x bare" "$bare_ms ms (CPU $(median <"$work/cpu_bare.txt") ms)" "$r" "$ok"
cold_ms=$(median <"$work/start_cold.txt")
row "start-up to the first painted console, first run (no cache)" "$cold_ms ms (CPU $(median <"$work/cpu_cold.txt") ms)" \
  "<= 400 ms" "$bare_ms ms" "$(ratio "$cold_ms" "$bare_ms")" "$(verdict "$cold_ms" '<=' 400)"

# CPU time of a process so far, in clock ticks (utime + stime of /proc/PID/stat).
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
percent() { awk -v t="$1" -v hz="$hz" 'BEGIN { printf "%.2f\n", t / hz / 30 * 100 }'; }

echo "Idle cost: 30 s of the demonstration ..." >&2
printf 'press power\nwait 42000\n' >"$work/idle.vxs"
"${simulator[@]}" --script "$work/idle.vxs" >/dev/null 2>&1 &
sim=$!
started+=("$sim")
"$build/bare-window" --stay 42000 >/dev/null 2>&1 &
bare=$!
started+=("$bare")
sleep 8  # start-up, the 3.3 s jingle, and the demonstration under way
sim0=$(cpu_ticks "$sim") bare0=$(cpu_ticks "$bare")
sleep 30
sim_cpu=$(percent $(($(cpu_ticks "$sim") - sim0)))
bare_cpu=$(percent $(($(cpu_ticks "$bare") - bare0)))
wait "$sim" "$bare"
row "idle cost: CPU of 30 s of the demonstration" "$sim_cpu % of a core" "<= 2 %" "$bare_cpu %" "" "$(verdict "$sim_cpu" '<=' 2)"

# The costliest skin the limits let through (bench/worst_skin.cpp), windowed: from
# the launch to the first painted console, and the peak memory of the start and a
# second of the powered console.
echo "The worst skin ..." >&2
mkdir "$work/worst"
cp -r "$build/Config.ini" "$build/Graphics" "$build/Sound" "$work/worst/"
"$build/worst-skin" "$work/worst"
printf 'press power\nwait 1000\n' >"$work/worst.vxs"
t0=${EPOCHREALTIME/./}
/usr/bin/time -f '%M' -o "$work/worst.kb" "$build/vornix-simulator" --data-dir "$work/worst" --no-dialogs --seed 1 \
  --script "$work/worst.vxs" --trace-input "$work/first.txt" >/dev/null 2>&1
worst_ms=$(since "$t0" "$(first_paint)")
worst_mb=$(awk '{ printf "%.1f", $1 / 1024 }' "$work/worst.kb")
row "worst skin: start-up to the first painted console" "$worst_ms ms" "<= 2000 ms" "" "" "$(verdict "$worst_ms" '<=' 2000)"
row "worst skin: peak resident set" "$worst_mb MB" "<= 400 MB" "" "" "$(verdict "$worst_mb" '<=' 400)"

# Peak memory over a whole game: power, start, a minute of a player who moves and
# fires, the end of phase 3 and phase 4 with no hand on the controls, then phase 1
# again with one life left until the game is over (about two minutes).
echo "Peak memory over a game (about two minutes) ..." >&2
{
  printf 'press power\nwait 3500\npress start\nwait 2500\n'
  for i in $(seq 1 80); do
    if ((i * 7 % 3)); then side=right; else side=left; fi
    printf 'press %s\nwait 100\nrelease %s\nwait 200\npress fire\nwait 100\nrelease fire\nwait 300\n' "$side" "$side"
  done
  printf 'call Gam_Stop_All_Timers\nset Phase 3\nset EnemiesLeft 0\nset Step 0\ntimer Timer_Phase3_Complete 100 on\n'
  printf 'wait 33400\nset Lives 1\nwait 25000\ndump\n'
} >"$work/game.vxs"
"${simulator[@]}" --script "$work/game.vxs" >"$work/game.out" 2>/dev/null &
sim=$!
started+=("$sim")
peak=0
while kill -0 "$sim" 2>/dev/null; do
  v=$(awk '/^VmHWM/ { print $2 }' "/proc/$sim/status" 2>/dev/null || true)
  [ -n "$v" ] && peak=$v
  sleep 0.5
done
wait "$sim"
grep -q '"GameMode":2,.*"Lives":0,' "$work/game.out" && game="the game played to its end" || game="the game still running at the end"
"$build/bare-window" --stay 3000 >/dev/null 2>&1 &
bare=$!
started+=("$bare")
sleep 2
bare_peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$bare/status")
wait "$bare"
peak_mb=$(awk -v k="$peak" 'BEGIN { printf "%.1f", k / 1024 }')
bare_mb=$(awk -v k="$bare_peak" 'BEGIN { printf "%.1f", k / 1024 }')
r=$(ratio "$peak_mb" "$bare_mb")
ok=$(verdict "$peak_mb" '<=' 80)
[ "$ok" = met ] && ok=$(verdict "${r% x}" '<=' 2.2)
row "peak resident set over a game ($game)" "$peak_mb MB" "<= 80 MB, <= 2.2 x bare" "$bare_mb MB" "$r" "$ok"

echo
echo "Vornix (Orvane) Simulator: performance on $(uname -m), $(nproc) cores, Qt platform $QT_QPA_PLATFORM, $(date -u +%Y-%m-%d)"
echo "load average before the run: $load (other work on this machine competes for the cores)"
printf '%s\n' "${rows[@]}" | awk -F'|' '
  { for (i = 1; i <= NF; ++i) { cell[NR, i] = $i; if (length($i) > w[i]) w[i] = length($i) } }
  END {
    split("figure|measured|target|bare window|ratio|", head, "|")
    for (i = 1; i <= 6; ++i) if (length(head[i]) > w[i]) w[i] = length(head[i])
    line = ""; rule = ""
    for (i = 1; i <= 6; ++i) { line = line sprintf("%-" w[i] "s  ", head[i]); rule = rule sprintf("%" w[i] "s  ", "") }
    gsub(/ /, "-", rule); print line; print rule
    for (r = 1; r <= NR; ++r) {
      line = ""
      for (i = 1; i <= 6; ++i) line = line sprintf("%-" w[i] "s  ", cell[r, i])
      print line
    }
  }'
