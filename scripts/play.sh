#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target plenk

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display here. To play in a virtual one and look at it with a screenshot:"
  echo "  sudo apt-get install xvfb && xvfb-run -s '-screen 0 1024x768x24' build/plenk"
  exit 1
fi
exec build/plenk
