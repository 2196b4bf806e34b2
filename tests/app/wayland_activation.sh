#!/usr/bin/env bash
# Under sway, headless: two copies of the game on two records, the second
# focused; then a second start on the first record, given an activation token
# as a launcher gives it, must move the focus to the first copy's window.
# Usage: wayland_activation.sh PROGRAM TOKEN_TOOL
set -euo pipefail
program=$1 token_tool=$2

work=$(mktemp -d)
chmod 711 "$work"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# sway refuses to run as root: it runs as nobody, whose socket root may use.
as_sway=()
mkdir -m 700 "$work/wayland" "$work/runtime" "$work/runtime2"
if [ "$(id -u)" -eq 0 ]; then
  as_sway=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  chown 65534:65534 "$work/wayland"
fi
echo 'focus_on_window_activation focus' > "$work/sway.conf"
env -i PATH="$PATH" HOME="$work/wayland" XDG_RUNTIME_DIR="$work/wayland" WLR_BACKENDS=headless \
  WLR_HEADLESS_OUTPUTS=1 WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  "${as_sway[@]}" sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
pids+=($!)

export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=wayland
for _ in $(seq 100); do
  display=$(find "$work/wayland" -maxdepth 1 -name 'wayland-*' -type s | head -1)
  sway_socket=$(find "$work/wayland" -maxdepth 1 -name 'sway-ipc.*' -type s | head -1)
  [ -n "$display" ] && [ -n "$sway_socket" ] && break
  sleep 0.1
done
[ -n "$display" ] || { cat "$work/sway.log"; echo "sway did not start"; exit 1; }
export WAYLAND_DISPLAY=$display SWAYSOCK=$sway_socket

# The process id of the focused window, or of the window of a process id.
focused() {
  swaymsg -t get_tree | python3 -c '
import json, sys
def walk(n):
    if n.get("focused") and n.get("pid"): print(n["pid"])
    for c in n.get("nodes", []) + n.get("floating_nodes", []): walk(c)
walk(json.load(sys.stdin))'
}
shown() {
  for _ in $(seq 100); do
    swaymsg -t get_tree | grep -q "\"pid\": $1," && return 0
    sleep 0.1
  done
  echo "the window of $1 did not appear"
  exit 1
}

for copy in first other; do
  mkdir "$work/$copy"
  cp "$program" "$work/$copy/plenk"
  printf 'Ann%22s' '' >"$work/$copy/data.dat"
  head -c 10 /dev/zero >>"$work/$copy/data.dat"
done
"$work/first/plenk" 2>/dev/null &
first=$!
pids+=("$first")
shown "$first"
# Its own runtime folder, so that an older guard per runtime folder lets it run.
XDG_RUNTIME_DIR=$work/runtime2 "$work/other/plenk" 2>/dev/null &
other=$!
pids+=("$other")
shown "$other"
[ "$(focused)" = "$other" ] || { echo "the newer window was not focused: $(focused)"; exit 1; }

token=$("$token_tool")
XDG_ACTIVATION_TOKEN=$token timeout 10 "$work/first/plenk" 2>/dev/null || { echo "the second start ended with $?"; exit 1; }
for _ in $(seq 50); do
  [ "$(focused)" = "$first" ] && exit 0
  sleep 0.1
done
echo "the first window was not focused: $(focused) has the focus, not $first"
exit 1
