#!/usr/bin/env bash
# Shared set-up of ./run.sh and ./test.sh: installs the Debian packages the build
# and the tests need (skipping those already there), then configures and builds
# into build/ with every core.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  build-essential cmake pkg-config
  googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev libgl1-mesa-dev
  libsdl2-dev libsdl2-mixer-dev
  libpng-dev libjpeg-dev libsimpleini-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth imagemagick xdotool
  libxcb-xkb-dev
  openbox weston qt6-wayland x11-utils x11-xserver-utils
  appstream desktop-file-utils
  file lintian
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)"
