#!/usr/bin/env bash
# Whole-process figures of the real window under Xvfb, with the demo character:
#   start     - from the process's start until its window is mapped (the greeting's first
#               letter follows one balloon tick later)
#   idle CPU  - CPU time used over 10 s with the answer shown and nothing due
#   memory    - resident set size (VmRSS, VmHWM) after that
# Usage: bench/app/window_figures.sh [BUILD_DIR]   (default: build)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
xvfb_pid=; kiova_pid=
trap '[ -n "$kiova_pid" ] && kill $kiova_pid 2>/dev/null; [ -n "$xvfb_pid" ] && kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT

cp -r "$build/kiova/." "$work/"
rm -f "$work/Kiova.ini"
printf '[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n' >"$work/Kiova.ini"

exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 display <&3
export DISPLAY=":$display" SDL_AUDIODRIVER=dummy
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

for run in 1 2 3 4 5; do
  start=$(date +%s%N)
  KIOVA_HOME="$work" "$work/kiova" "$work/hina.ktc" &
  kiova_pid=$!
  # xdotool's own --sync polls only twice a second
  until xdotool search --onlyvisible --name ' - Kiova$' >/dev/null 2>&1; do sleep 0.005; done
  shown=$(date +%s%N)
  echo "start $run: $(( (shown - start) / 1000000 )) ms to the window"
  if [ "$run" -lt 5 ]; then kill -TERM "$kiova_pid"; wait "$kiova_pid" || true; kiova_pid=; fi
done

sleep 5   # the greeting has been played
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$kiova_pid/stat"; }
before=$(cpu); sleep 10; after=$(cpu)
echo "idle CPU over 10 s: $(awk -v t=$(( after - before )) -v hz="$ticks" 'BEGIN { printf "%.3f %%", 100 * t / hz / 10 }')"
grep -E 'VmRSS|VmHWM' "/proc/$kiova_pid/status"
kill -TERM "$kiova_pid"; wait "$kiova_pid" || true; kiova_pid=
