#!/usr/bin/env bash
# Desktop mode of the real `kiova` in a real X server, without a window manager: the key colour
# around the character shows the root window, the balloon greets beside it, a drag moves it, a
# restart finds it where it was left, and turning the mode off brings the classic window back.
# Then the same under a compositing manager (the translucent path) when xcompmgr is installed.
# Usage: desktop_e2e.sh PATH/TO/kiova
set -euo pipefail
kiova=$1
source "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool import

work=$(mktemp -d)
xvfb_pid=
kiova_pid=
compositor_pid=
cleanup() {
  [ -n "$kiova_pid" ] && kill "$kiova_pid" 2>/dev/null || true
  [ -n "$compositor_pid" ] && kill "$compositor_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A 24-bit BMP, 120 x 160: a red figure (columns 20-99, rows 20-139) on the blue key colour.
write_picture() {
  local blue='\xff\x00\x00' red='\x00\x00\xff' edge='' middle='' row_blue='' i
  for ((i = 0; i < 20; i++)); do edge+=$blue; done
  for ((i = 0; i < 80; i++)); do middle+=$red; done
  for ((i = 0; i < 120; i++)); do row_blue+=$blue; done
  {
    printf 'BM\x36\xe1\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00'      # 57654 bytes
    printf '\x28\x00\x00\x00\x78\x00\x00\x00\xa0\x00\x00\x00\x01\x00\x18\x00'
    printf '\x00\x00\x00\x00\x00\xe1\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00'
    printf '\x00\x00\x00\x00\x00\x00\x00\x00'
    for ((i = 0; i < 160; i++)); do            # bottom row first
      if ((i >= 20 && i < 140)); then printf "$edge$middle$edge"; else printf "$row_blue"; fi
    done
  } >"$1"
}

mkdir -p "$work/home/Alice"
printf 'name\r\nAlice\r\nfolder\r\nAlice\r\nversion\r\n210\r\ndata02\r\nevents.txt\r\n' >"$work/home/Alice.ktc"
printf 'DefaultBitmap\r\nface.bmp\r\ntransparentbitmap\r\n1\r\n' >>"$work/home/Alice.ktc"
printf '"{EQ{OPERATEMESSAGE}|KCCALLED}","Hello there"\r\n' >"$work/home/Alice/events.txt"
write_picture "$work/home/Alice/face.bmp"
ini="$work/home/Kiova.ini"
printf '[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n[Balloon]\r\nSpeed=5\r\n' >"$ini"
printf '[Window]\r\nDesktopMode=1\r\nDesktopLeft=100\r\nDesktopTop=150\r\n' >>"$ini"

start_xvfb -br -noreset  # a black root window

start_kiova() {
  KIOVA_HOME="$work/home" SDL_AUDIODRIVER=dummy "$kiova" "$work/home/Alice.ktc" &
  kiova_pid=$!
}
stop_kiova() {  # SIGTERM closes the program as the close box does, settings written
  kill -TERM "$kiova_pid"
  for _ in $(seq 100); do kill -0 "$kiova_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$kiova_pid" 2>/dev/null && fail "kiova did not end on SIGTERM"
  wait "$kiova_pid" || fail "exit status $?"
  kiova_pid=
}
# The visible window of the program that is W x H; its id. Fails after TRIES looks, 0.2 s
# apart (100 unless given).
window_sized() {  # W H [TRIES]
  local w
  for _ in $(seq "${3:-100}"); do
    for w in $(xdotool search --onlyvisible --name '^Alice - Kiova$' 2>/dev/null); do
      xdotool getwindowgeometry "$w" | grep -q "Geometry: $1x$2\$" && { echo "$w"; return; }
    done
    sleep 0.2
  done
  fail "no visible $1x$2 window"
}
position_of() { xdotool getwindowgeometry "$1" | sed -n 's/ *Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'; }
# A screenshot as a binary PPM; `pixel X Y` prints "R G B" of the last one.
shot="$work/shot.ppm"
screenshot() { import -window root -depth 8 "$shot"; }
pixel() {
  local header
  header=$(head -c 20 "$shot" | head -n 3 | wc -c)  # "P6\n1024 768\n255\n"
  od -An -tu1 -j $((header + ($2 * 1024 + $1) * 3)) -N3 "$shot" | xargs
}
expect_pixel() {  # X Y "R G B" what
  local got
  got=$(pixel "$1" "$2")
  [ "$got" = "$3" ] || fail "$4: pixel $1,$2 is $got, not $3"
}
# Some pixel of the area X Y W H is dark: text is drawn there.
has_text() {
  local y
  for ((y = $2; y < $2 + $4; y++)); do
    od -An -tu1 -v -w3 -j $(($(head -c 20 "$shot" | head -n 3 | wc -c) + (y * 1024 + $1) * 3)) \
      -N $(($3 * 3)) "$shot" | awk '$1 < 100 && $2 < 100 && $3 < 100 { found = 1 } END { exit !found }' \
      && return 0
  done
  return 1
}
expect_text() { has_text "$@" || fail "$5: no text in the balloon"; }
# Screenshots until the condition holds (the windows may still be painting), 5 s at most.
screenshot_when() {
  for _ in $(seq 50); do
    screenshot
    "$@" && return 0
    sleep 0.1
  done
}
visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
open_menu_at() {  # X Y: right-click there and wait until the context menu is mapped
  local before
  before=$(visible_windows)
  xdotool mousemove "$1" "$2" click 3
  for _ in $(seq 100); do
    [ "$(visible_windows)" -gt "$before" ] && return 0
    sleep 0.1
  done
  fail "no context menu at $1,$2"
}
greetings() { { tr -d '\r' <"$work/home/kiova.log" | grep -c '^Hello there$'; } 2>/dev/null || true; }
wait_for_greeting() {  # more greetings than $1 in the log
  for _ in $(seq 50); do
    [ "$(greetings)" -gt "$1" ] && return 0
    sleep 0.1
  done
  fail "no greeting in the log"
}

check_desktop_mode() {  # what
  local character greeted
  greeted=$(greetings)
  start_kiova
  character=$(window_sized 120 160)
  read -r x y < <(position_of "$character")
  [ "$x $y" = "100 150" ] || fail "$1: the character stands at $x,$y, not 100,150"
  wait_for_greeting "$greeted"
  screenshot_when has_text 240 156 300 30
  # The root window's colour (a compositor may paint its own) far from every window.
  local root
  root=$(pixel 1000 700)
  expect_pixel 105 155 "$root" "$1: the root window where the key colour was"
  expect_pixel 215 285 "$root" "$1: the root window where the key colour was"
  expect_pixel 160 230 "255 0 0" "$1: the character"
  # The balloon to the right (more room there), its tail at the character: white with text.
  expect_pixel 300 160 "255 255 255" "$1: the balloon"
  expect_text 240 156 300 30 "$1"

  # Drag the figure by (+150, +60); a drag on the key colour would reach the root window.
  xdotool mousemove 160 230 mousedown 1
  xdotool mousemove 200 250
  xdotool mousemove 310 290 mouseup 1
  for _ in $(seq 50); do [ "$(position_of "$character")" = "250 210" ] && break; sleep 0.1; done
  [ "$(position_of "$character")" = "250 210" ] || fail "$1: dragged to $(position_of "$character")"
  stop_kiova
  grep -q '^DesktopLeft=250$' <(tr -d '\r' <"$ini") || fail "$1: DesktopLeft not kept"
  grep -q '^DesktopTop=210$' <(tr -d '\r' <"$ini") || fail "$1: DesktopTop not kept"

  start_kiova
  character=$(window_sized 120 160)
  [ "$(position_of "$character")" = "250 210" ] || fail "$1: restarted at $(position_of "$character")"
  # The menu's desktop-mode item (D) turns it off: the classic window, 550 x 200, is back.
  # A key pressed before the menu holds the keyboard is lost: then the menu is opened again.
  local classic
  for _ in 1 2 3; do
    open_menu_at 310 290
    xdotool key d
    if classic=$(window_sized 550 200 25); then break; fi
    classic=
    xdotool key Escape
  done
  [ -n "$classic" ] || fail "$1: the classic window did not come back"
  read -r x y < <(position_of "$classic")
  screenshot_when eval '[ "$(pixel $((x + 60)) $((y + 80)))" = "255 0 0" ]'
  expect_pixel $((x + 5)) $((y + 5)) "$(pixel $((x + 199)) $((y + 5)))" "$1: the classic window colour"
  [ "$(pixel $((x + 5)) $((y + 5)))" != "$root" ] || fail "$1: the classic window is see-through"
  expect_pixel $((x + 60)) $((y + 80)) "255 0 0" "$1: the character in the classic window"
  stop_kiova
  grep -q '^DesktopMode=0$' <(tr -d '\r' <"$ini") || fail "$1: DesktopMode not turned off"
  # Back on for the next round.
  sed -i 's/^DesktopMode=0/DesktopMode=1/; s/^DesktopLeft=.*/DesktopLeft=100\r/; s/^DesktopTop=.*/DesktopTop=150\r/' "$ini"
}

check_desktop_mode "without a compositor"
if command -v xcompmgr >/dev/null; then
  xcompmgr >/dev/null 2>&1 &
  compositor_pid=$!
  sleep 0.5
  check_desktop_mode "under a compositor"
else
  echo "xcompmgr is not installed: the compositor round is skipped"
fi
echo "PASS"
