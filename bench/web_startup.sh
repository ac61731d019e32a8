#!/usr/bin/env bash
# Start-up of the web page against the desktop program on the same machine at the
# same time: the page from navigation to its first painted console in headless
# Chromium (bench/web_startup.mjs; the browser itself already running), the
# program from launch to the end of its first paint (--trace-input, an empty
# script, offscreen), medians of 9. Needs tools/web.sh build (and test, for
# playwright-core). VORNIX_BENCH_BUILD: the native build (default build/).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VORNIX_BENCH_BUILD:-$root/build}
work=$(mktemp -d)
server=''
cleanup() {
  [ -z "$server" ] || kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

port=$((20000 + RANDOM % 20000))
python3 -m http.server --bind 127.0.0.1 --directory "$root/build-web/site" "$port" >/dev/null 2>&1 &
server=$!
for _ in $(seq 100); do curl -sf "http://127.0.0.1:$port/" >/dev/null && break; sleep 0.1; done
echo "load $(cut -d' ' -f1 /proc/loadavg)"
echo "web page: $(node "$root/bench/web_startup.mjs" "http://127.0.0.1:$port/?seed=1")"

mkdir -p "$work/config/Brimlock" "$work/runtime"
chmod 700 "$work/runtime"
printf '[General]\nSkin=1\nSoundMode=0\nSplashScreen=0\nFullscreenMode=0\n' >"$work/config/Brimlock/Vornix50.conf"
: >"$work/empty.vxs"
for i in $(seq 0 9); do
  t0=${EPOCHREALTIME/./}
  XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen \
    SDL_AUDIODRIVER=dummy \
    "$build/vornix-simulator" --no-dialogs --script "$work/empty.vxs" --trace-input "$work/first.txt" >/dev/null 2>&1
  t1=$(awk '$1 == "first-paint" { print $2; exit }' "$work/first.txt")
  ((i == 0)) || awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.1f\n", (b - a) / 1000 }' >>"$work/desktop.txt"
done
echo "desktop program: $(sort -n "$work/desktop.txt" | sed -n 5p) ms to the first painted console (median of 9)"
