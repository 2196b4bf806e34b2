#!/usr/bin/env bash
# Measures the real program in a virtual display: the time from start to the
# window on screen, the processor time it uses while the computer seats play
# (slides and pauses), and its resident memory. Needs xvfb, xdotool, openbox.
#   bench/measure_window.sh [build/plenk]
# SCREEN=WxH sets the virtual screen (1024x768); FULL_SCREEN=1 starts the
# table full screen. The player's own settings are never read.
set -euo pipefail
program=$(realpath "${1:-build/plenk}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$program" "$work/plenk"
# A record already there, so no name prompt delays the start.
printf 'Bench%20s\0\0\0\0\0\0\0\0\0\0' '' > "$work/data.dat"
mkdir -p "$work/config/plenk"
if [ "${FULL_SCREEN:-0}" = 1 ]; then
  printf '[table]\nfull_screen=true\n' > "$work/config/plenk/plenk.conf"
fi
export XDG_CONFIG_HOME="$work/config"

xvfb-run -a -s "-screen 0 ${SCREEN:-1024x768}x24" bash -s "$work" <<'INNER'
set -euo pipefail
cd "$1"
openbox >/dev/null 2>&1 &
sleep 1
ticks=$(getconf CLK_TCK)
start=$(date +%s%N)
./plenk &
pid=$!
# Asked in a tight loop: xdotool's own --sync waits too long between looks.
until window=$(xdotool search --onlyvisible --name "Plenk Ver" 2>/dev/null); do :; done
shown=$(date +%s%N)
echo "start to window shown: $(( (shown - start) / 1000000 )) ms"
xdotool windowactivate --sync "$window"
sleep 0.5
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
# Deal, then play cards with the keyboard for 20 seconds: each played card
# sets the computer seats moving with their slides and 2-second pauses.
xdotool key alt+g d
sleep 1
before=$(cpu); t0=$(date +%s%N)
for i in $(seq 1 10); do
  for k in Right Return Left Return; do xdotool key "$k"; sleep 0.5; done
done
after=$(cpu); t1=$(date +%s%N)
wall_ms=$(( (t1 - t0) / 1000000 ))
cpu_ms=$(( (after - before) * 1000 / ticks ))
echo "processor time while playing: ${cpu_ms} ms of ${wall_ms} ms ($(( cpu_ms * 1000 / wall_ms / 10 )).$(( cpu_ms * 1000 / wall_ms % 10 ))%)"
echo "resident memory: $(awk '/VmRSS/ {print $2 / 1024 " MB"}' "/proc/$pid/status"), peak $(awk '/VmHWM/ {print $2 / 1024 " MB"}' "/proc/$pid/status")"
kill "$pid"
INNER
