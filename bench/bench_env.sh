# Shared by bench/run.sh and bench/timer_fidelity.sh (sourced): builds the
# benchmarks and the program in Release into their own folder, and gives every
# run of the program a temporary settings folder with the launcher skipped (skin
# 1, sound through SDL's silent driver, windowed), offscreen, and a temporary
# cache folder (the first run, which warms the caches, fills its picture cache).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VORNIX_BENCH_BUILD:-$root/build-bench}
work=$(mktemp -d)
started=()  # background processes this script started, ended on exit

cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

build_release() {
  echo "Building in Release into $build ..." >&2
  if ! { cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVORNIX_BENCH=ON &&
    cmake --build "$build" -j "${JOBS:-$(nproc)}" --target "$@"; } >"$work/build.log" 2>&1; then
    cat "$work/build.log" >&2
    exit 1
  fi
  # What else the machine was doing as the measuring began (1-minute load average).
  load=$(cut -d' ' -f1 /proc/loadavg)
}

mkdir -p "$work/config/Brimlock" "$work/runtime"
chmod 700 "$work/runtime"
printf '[General]\nSkin=1\nSoundMode=0\nSplashScreen=0\nFullscreenMode=0\n' >"$work/config/Brimlock/Vornix50.conf"
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} SDL_AUDIODRIVER=dummy

# The program's command, as an array so that "${simulator[@]}" ... & gives its own pid.
simulator=("$build/vornix-simulator" --data-dir "$build" --no-dialogs --seed 1)

# Nearest-rank percentiles of the numbers on standard input, one a line:
# prints "p50 p99 max count".
percentiles() {
  sort -n | awk '{ v[NR] = $1 }
    function rank(q,  r) { r = int(q * NR); if (r < q * NR) r++; return v[r < 1 ? 1 : r] }
    END { if (NR) print rank(0.5), rank(0.99), v[NR], NR; else print "- - - 0" }'
}
