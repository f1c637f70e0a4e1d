#!/usr/bin/env bash
# Whole-process figures of `kiova --console` with the demo character, input and output piped:
#   greeting  - from the process's start until the greeting's line arrives on the pipe (input
#               stays open, so the program then waits for the user)
#   round     - a whole run: start, greeting, one line and its answer, farewell at end of input
# Usage: bench/app/console_figures.sh [BUILD_DIR] [RUNS]   (default: build, 10)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/kiova/." "$work/"
printf '[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n' >"$work/Kiova.ini"
export KIOVA_HOME=$work SDL_AUDIODRIVER=dummy
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

now() { date +%s%N; }
for run in $(seq "$runs"); do
  start=$(now)
  sleep 2 | "$work/kiova" --console "$work/hina.ktc" |
    { IFS= read -r greeting; now >"$work/shown"; echo "$greeting" >"$work/greeting"; cat >/dev/null; }
  echo "greeting $run: $(( ($(cat "$work/shown") - start) / 1000 )) us: $(cat "$work/greeting")"
done
for run in $(seq "$runs"); do
  start=$(now)
  printf 'こんにちは\n' | "$work/kiova" --console "$work/hina.ktc" >/dev/null
  echo "round $run: $(( ($(now) - start) / 1000 )) us"
done
