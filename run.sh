#!/usr/bin/env bash
# Installs what is missing, builds, and starts the simulator.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
echo "The console window is not built yet: playing the demonstration headless with vornix-script."
exec build/vornix-script data/demo.vxs
