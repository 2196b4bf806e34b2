#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its benchmarks need,
# where they are missing. Sourced by play.sh and test.sh.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format libicu-dev
  qt6-base-dev qt6-base-private-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  kdegames-card-data-kf5 fonts-liberation fonts-noto-cjk
  desktop-file-utils
  dpkg-dev lintian appstream file
  xvfb xauth xdotool openbox dbus at-spi2-core python3-pyatspi orca speech-dispatcher
  qt6-wayland sway wayland-protocols libwayland-dev
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
