#!/usr/bin/env bash
# The real `kiova` in a real X server, first without a window manager, then under openbox:
#   - without one (and without a tray), the character's {ICONIZE} leaves the window shown;
#   - under one, it minimises the window;
#   - the settings and selection dialogs tell the window manager that they have no buttons,
#     are not resizable (so none can maximise them) and come back when minimised all the same;
#   - the patting window's inside is level with the main window's and as tall, when it opens
#     and after the main window has moved, although the window manager frames both.
# Usage: wm_e2e.sh PATH/TO/kiova
set -euo pipefail
kiova=$1
source "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool xwininfo xprop openbox

work=$(mktemp -d)
xvfb_pid=
wm_pid=
kiova_pid=
cleanup() {
  local pid
  for pid in "$kiova_pid" "$wm_pid" "$xvfb_pid"; do end_process "$pid"; done
  rm -rf "$work"
}
trap cleanup EXIT

home=$work/home
ini=$home/Kiova.ini
profile='[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n'
# A character named $1 whose greeting is $2, with two patting actions.
write_character() {
  mkdir -p "$home/$1"
  printf '%s\r\n' name "$1" folder "$1" version 210 data02 events.txt nadenade 1 \
    datanadenade pat.txt >"$home/$1.ktc"
  printf '"{EQ{OPERATEMESSAGE}|KCCALLED}","%s"\r\n' "$2" >"$home/$1/events.txt"
  printf 'Head,PATHEAD\r\nCheek,PATCHEEK\r\n' >"$home/$1/pat.txt"
}
write_character Alice Hello
write_character Bob 'Choose{CHANGECHARACTER}'
write_character Carol 'Bye{ICONIZE}'

start_kiova() {  # PACKAGE
  KIOVA_HOME=$home SDL_AUDIODRIVER=dummy "$kiova" "$home/$1.ktc" >/dev/null 2>&1 &
  kiova_pid=$!
}
stop_kiova() {
  kill -TERM "$kiova_pid"
  wait_for_exit "$kiova_pid" 10 || fail "exit status $? after SIGTERM"
  kiova_pid=
}
# Polls up to 10 s until the command succeeds.
eventually() {
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  return 1
}
greeted() { grep -qx "$1" <(tr -d '\r' <"$home/kiova.log" 2>/dev/null); }
wm_state() { xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'; }
# The inside of window $1 on the screen: "TOP HEIGHT".
top_and_height() {
  xwininfo -id "$1" | awk '/Absolute upper-left Y/ { y = $4 } /Height/ { h = $2 } END { print y, h }'
}

# Without -noreset the server resets when its last client leaves, and openbox, started just
# after the first program has ended, could not connect.
start_xvfb -noreset
export LANG=ja_JP.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES

# Without a window manager nothing can minimise the window: {ICONIZE} leaves it shown.
printf "$profile" >"$ini"
start_kiova Carol
carol=$(window_named '^Carol - Kiova$') || exit 1
eventually greeted Bye || fail "Carol did not greet"
xwininfo -id "$carol" | grep -q 'Map State: IsViewable' || fail "the window went away without a window manager"
stop_kiova

openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
eventually eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"

start_kiova Carol
# Minimised perhaps before it could be seen: any window of that name.
carol=$(timeout 20 xdotool search --sync --name '^Carol - Kiova$' | head -n 1)
[ -n "$carol" ] || fail "no window for Carol"
eventually eval '[ "$(wm_state "$carol")" = Iconic ]' || fail "{ICONIZE} did not minimise the window"
stop_kiova

# The Motif hints (flags, functions, decorations): no minimise, maximise or close function or
# button; what the window manager then allows: no resizing, no maximising. Minimised all the
# same, the dialog comes back.
check_dialog() {  # NAME WHAT
  local dialog hints flags functions decorations
  dialog=$(window_named "$1") || exit 1
  hints=$(xprop -id "$dialog" _MOTIF_WM_HINTS | sed -n 's/.* = //p' | tr -d ' ')
  IFS=, read -r flags functions decorations _ <<<"$hints"
  [ $((flags & 1)) -eq 1 ] && [ $((functions & 0x39)) -eq 0 ] ||
    fail "$2: the hints ($hints) allow minimising, maximising or closing"
  [ $((flags & 2)) -eq 0 ] || [ $((decorations & 0x61)) -eq 0 ] ||
    fail "$2: the hints ($hints) ask for buttons"
  eventually eval 'xprop -id "$dialog" _NET_WM_ALLOWED_ACTIONS | grep -q _NET_WM_ACTION_MOVE' ||
    fail "$2: the window manager allows nothing"
  ! xprop -id "$dialog" _NET_WM_ALLOWED_ACTIONS | grep -qE 'MAXIMIZE|ACTION_RESIZE' ||
    fail "$2: $(xprop -id "$dialog" _NET_WM_ALLOWED_ACTIONS)"
  xdotool windowminimize "$dialog"
  eventually eval '[ "$(wm_state "$dialog")" = Normal ]' || fail "$2: minimised, it stays away"
}

rm -f "$ini"  # the first start asks for the profile
start_kiova Alice
check_dialog '^設定$' "the settings dialog"
stop_kiova

printf "$profile" >"$ini"
start_kiova Bob
check_dialog '^人格の選択$' "the selection dialog"
stop_kiova

start_kiova Alice
alice=$(window_named '^Alice - Kiova$') || exit 1
# Ctrl+N opens the patting window; a key sent before the window has the focus is lost, so it is
# sent again until the patting window shows.
patting=
for _ in $(seq 20); do
  timeout 2 xdotool windowactivate --sync "$alice" 2>/dev/null || true
  xdotool key ctrl+n
  patting=$(timeout 1 xdotool search --sync --onlyvisible --name '^なでなでめにゅー$' | head -n 1) &&
    [ -n "$patting" ] && break
done
[ -n "$patting" ] || fail "Ctrl+N did not open the patting window"
level() { [ "$(top_and_height "$patting")" = "$(top_and_height "$alice")" ]; }
eventually level || fail "patting window at $(top_and_height "$patting"), main window at $(top_and_height "$alice")"
timeout 5 xdotool windowmove --sync "$alice" 100 300 || fail "the main window did not move"
eventually level || fail "moved: patting window at $(top_and_height "$patting"), main window at $(top_and_height "$alice")"
stop_kiova
echo "PASS"
