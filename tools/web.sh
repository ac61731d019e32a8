#!/usr/bin/env bash
# The console in a web page (README, "Play in a browser").
#   tools/web.sh build   installs what it needs, builds the installation data
#                        natively (build/), the core with emscripten (build-web/),
#                        and assembles the static site in build-web/site/
#   tools/web.sh serve [PORT]   serves build-web/site on http://127.0.0.1:PORT (8350)
#   tools/web.sh test    every scenario under node against the native runner, then
#                        the page in headless Chromium (web/test/page_test.mjs)
# JOBS=N sets the build's parallel jobs (default: every core).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
native=${VORNIX_NATIVE_BUILD:-$root/build}
web=$root/build-web
site=$web/site
jobs=${JOBS:-$(nproc)}
# Debian's emscripten runs its optimizer on node with the system's acorn.
export NODE_PATH=/usr/share/nodejs

install_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  install_packages emscripten node-acorn libsimpleini-dev imagemagick
  command -v node >/dev/null || install_packages nodejs
  # The native side: the pictures, sounds and texts of the installation, the
  # runner the scenarios are compared with, the program the page is compared with.
  [ -f "$native/CMakeCache.txt" ] || "$root/tools/setup.sh"
  cmake --build "$native" -j "$jobs" --target assets vornix-script vornix-simulator
  emcmake cmake -S "$root" -B "$web" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$web" -j "$jobs"
  assemble
  # The native build registers the web tests now that there is something to test.
  cmake "$native" >/dev/null
}

assemble() {
  rm -rf "$site"
  mkdir -p "$site/Graphics/Manual" "$site/Sound"
  cp "$root"/web/page/{index.html,style.css,console.js} "$web"/vornix-web.{js,wasm} "$site/"
  cp "$native"/{Config.ini,Readme.txt,Whatsnew.txt} "$site/"
  cp "$native"/Sound/*.wav "$site/Sound/"
  # Each skin: its description and the pictures its elements name (the page shows
  # the windowed console: no backdrop, logo or preview), packed into one picture.
  local dir f
  for dir in "$native"/Graphics/*/; do
    [ -f "$dir/Skin.ini" ] || continue
    pack_skin "${dir%/}" "$site/Graphics/$(basename "$dir")"
  done
  for f in "$native"/Graphics/Manual/*.bmp; do
    convert "$f" "$site/Graphics/Manual/$(basename "${f%.*}").png"
  done
  cp "$native/Graphics/Forms/TAboutForm/im_picture.png" "$site/about.png"
  echo "site: $site ($(du -sh "$site" | cut -f1))"
}

# pack_skin DIR OUT: Skin.ini, and the pictures its elements name stacked in one
# PNG (Skin.pictures.png; one request and one decoding in the browser instead of
# 173) with Skin.pictures.json giving each one's name as the skin writes it, its
# place, its size and whether it has an alpha channel (the desktop's decoders
# draw a picture without one by its colour key). A skin too tall to pack keeps
# its pictures as files (BMP and JPEG made PNG, the page asks for that name).
pack_skin() {
  local dir=$1 out=$2 name file names=() files=() sizes y=0 i=0 w h alpha
  mkdir -p "$out"
  cp "$dir/Skin.ini" "$out/"
  while IFS= read -r name; do
    case ${name,,} in '' | nil) continue ;; esac
    file=$dir/${name//\\//}
    [ -f "$file" ] || continue  # the page shows the red square, as the desktop does
    names+=("$name") files+=("$file")
  done < <(sed -n 's/^[Ff]ilename=\(.*\)$/\1/p' "$dir/Skin.ini" | tr -d '\r' | sort -u)
  ((${#files[@]})) || return 0
  mapfile -t sizes < <(identify -format '%w %h %A\n' "${files[@]}")
  for ((i = 0; i < ${#sizes[@]}; ++i)); do y=$((y + $(cut -d' ' -f2 <<<"${sizes[i]}"))); done
  if ((y > 16000)); then
    for ((i = 0; i < ${#files[@]}; ++i)); do
      name=${names[i]//\\//}
      mkdir -p "$(dirname "$out/$name")"
      convert "${files[i]}" "$([ "${sizes[i]##* }" = False ] && echo PNG24 || echo PNG32):$out/${name%.*}.png"
    done
    return 0
  fi
  convert "${files[@]}" -alpha set -background none -append "PNG32:$out/Skin.pictures.png"
  y=0
  {
    echo '['
    for ((i = 0; i < ${#files[@]}; ++i)); do
      read -r w h alpha <<<"${sizes[i]}"
      name=${names[i]//\\/\\\\}
      printf '  {"name": "%s", "y": %d, "width": %d, "height": %d, "alpha": %s}%s\n' "${name//\"/\\\"}" "$y" "$w" "$h" \
        "$([ "$alpha" = False ] || [ "$alpha" = Undefined ] && echo false || echo true)" \
        "$([ $((i + 1)) -lt ${#files[@]} ] && echo ,)"
      y=$((y + h))
    done
    echo ']'
  } >"$out/Skin.pictures.json"
}

serve() {
  local port=${1:-8350}
  [ -f "$site/index.html" ] || { echo "no site yet: run tools/web.sh build" >&2; exit 1; }
  echo "http://127.0.0.1:$port/"
  exec python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port"
}

test_web() {
  [ -f "$site/index.html" ] || { echo "no site yet: run tools/web.sh build" >&2; exit 1; }
  install_packages chromium imagemagick
  # node and npm may come from elsewhere than Debian (NodeSource bundles npm).
  command -v node >/dev/null && command -v npm >/dev/null || install_packages nodejs npm
  # playwright-core only drives a browser; it never downloads one.
  if [ ! -d "$root/web/test/node_modules/playwright-core" ]; then
    (cd "$root/web/test" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
  fi
  "$root/tests/web/scenarios_node.sh" "$native/vornix-script" "$web/vornix-script.js"
  node "$root/web/test/page_test.mjs" --site "$site" --native "$native"
}

case ${1:-} in
  build) build ;;
  serve) serve "${2:-}" ;;
  test) test_web ;;
  *) echo "usage: tools/web.sh build|serve [PORT]|test" >&2; exit 2 ;;
esac
