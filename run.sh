#!/usr/bin/env bash
# Installs what is missing, builds, and starts the simulator.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set): the console window cannot open."
  echo "Playing the demonstration headless with vornix-script instead."
  exec build/vornix-script data/demo.vxs
fi
exec build/vornix-simulator "$@"
