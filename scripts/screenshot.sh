#!/usr/bin/env bash
# screenshot.sh [OUT.png] : the window with its menu open in English beside the same in
# Japanese, taken under Xvfb from the built program and the demo character (for the README).
# Needs Xvfb, xdotool and ImageMagick.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/kiova-languages.png}
program=$root/build/kiova
work=$(mktemp -d)
xvfb_pid=
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid"; rm -rf "$work"' EXIT

exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 900x700x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 display <&3
export DISPLAY=":$display" SDL_AUDIODRIVER=dummy
unset WAYLAND_DISPLAY QT_QPA_PLATFORM LANGUAGE LC_ALL LC_MESSAGES

# shot LOCALE PACKAGE PNG: the window with the character of that language and its menu open,
# cut out together.
shot() {
  local home=$work/$1
  mkdir -p "$home"
  cp -r "$program/hina" "$program/$2" "$home/"
  rm -f "$home"/hina/*.kts  # a first meeting, whatever earlier runs of the build left
  printf '[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n' >"$home/Kiova.ini"
  printf '[Balloon]\r\nSpeed=1\r\n' >>"$home/Kiova.ini"
  LANG=$1 KIOVA_HOME=$home "$program/kiova" "$home/$2" &
  local pid=$!
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Kiova$' | head -n 1)
  sleep 2  # the greeting plays out
  xdotool mousemove --window "$window" 300 120 click 3
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local height=$((HEIGHT + 165))  # room for the menu
  # The bare screen below the window, either side of the menu, turns white.
  import -window root -crop "${WIDTH}x$height+$X+$Y" +repage "$3"
  convert "$3" -fill white -draw "color 0,$((height - 1)) floodfill" \
    -draw "color $((WIDTH - 1)),$((height - 1)) floodfill" "$3"
  kill "$pid"
  wait "$pid" || true
}
shot en_US.UTF-8 hina-en.ktc "$work/en.png"
shot ja_JP.UTF-8 hina.ktc "$work/ja.png"
convert "$work/en.png" "$work/ja.png" +append -bordercolor white -border 8 "$out"
echo "$out"
