#!/usr/bin/env bash
# The real `kiova` in a real X server: a character written here greets, the user types a line
# and presses Enter, Ctrl+Q quits; the conversation log and the settings file tell the rest.
# Then termination signals while a dialog waits: SIGTERM at the first-start profile dialog,
# SIGHUP at a character's selection dialog (in English); each ends the program at once, in order.
# Last, two characters run at once and a second start of one brings its window forward.
# Usage: window_e2e.sh PATH/TO/kiova
set -euo pipefail
kiova=$1
source "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool xwininfo xprop

work=$(mktemp -d)
xvfb_pid=
kiova_pid=
cleanup() {
  [ -n "$kiova_pid" ] && kill "$kiova_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A character of plain ASCII text, so the files read the same in every code page.
mkdir -p "$work/home/Alice"
printf 'name\r\nAlice\r\nfolder\r\nAlice\r\nversion\r\n210\r\ndata02\r\nevents.txt\r\ndatab2\r\nreplies.txt\r\n' \
  >"$work/home/Alice.ktc"
printf '"{EQ{OPERATEMESSAGE}|KCCALLED}","Hello"\r\n' >"$work/home/Alice/events.txt"
printf '"HELLO","Nice to meet you"\r\n' >"$work/home/Alice/replies.txt"
printf '[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n[Balloon]\r\nSpeed=5\r\n' \
  >"$work/home/Kiova.ini"

start_xvfb
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=ja_JP.UTF-8  # the program's own texts; the last dialog is read in English

KIOVA_HOME="$work/home" SDL_AUDIODRIVER=dummy "$kiova" "$work/home/Alice.ktc" &
kiova_pid=$!
window=$(window_named '^Alice - Kiova$')
# The tray icon stands for the window: no taskbar button.
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
  { echo "FAIL: the window asks for a taskbar button"; exit 1; }
log="$work/home/kiova.log"
wait_for_line "$log" "Hello"
say_line "$window" hello "$log" "Nice to meet you"
quit_with_ctrl_q "$window"
expect_line "$log" "hello"
grep -q '# End chatting with Alice$' <(tr -d '\r' <"$log") || { echo "FAIL: no end line"; exit 1; }
ini="$work/home/Kiova.ini"
grep -q '^Top=[0-9]' <(tr -d '\r' <"$ini") || { echo "FAIL: no window position"; cat "$ini"; exit 1; }
expect_line "$ini" "Speed=5"
expect_line "$ini" "User=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05"

# Starts kiova on package $1, waits for the window named $2, sends signal $3; the exit status.
signal_at_window() {
  KIOVA_HOME="$work/home" SDL_AUDIODRIVER=dummy "$kiova" "$1" &
  kiova_pid=$!
  window_named "$2" >/dev/null || exit 1
  kill "-$3" "$kiova_pid"
  local status=0
  wait_for_exit "$kiova_pid" 10 || status=$?
  kiova_pid=
  [ "$status" -eq 0 ] || { echo "FAIL: exit status $status after SIG$3"; exit 1; }
}

printf '[Balloon]\r\nSpeed=5\r\n' >"$ini"
signal_at_window "$work/home/Alice.ktc" '^設定$' TERM
grep -q '^Top=[0-9]' <(tr -d '\r' <"$ini") || { echo "FAIL: settings not saved"; cat "$ini"; exit 1; }
expect_line "$ini" "Speed=5"

printf '[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n' >"$ini"
mkdir -p "$work/home/Bob"
printf 'name\r\nBob\r\nfolder\r\nBob\r\nversion\r\n210\r\ndata02\r\nevents.txt\r\n' \
  >"$work/home/Bob.ktc"
printf '%s\r\n' '"{EQ{OPERATEMESSAGE}|KCCALLED}","Choose{CHANGECHARACTER}"' \
  '"{EQ{OPERATEMESSAGE}|CLOSEWINDOW}","Bob leaves"' >"$work/home/Bob/events.txt"
rm -f "$log"
LANG=en_US.UTF-8 signal_at_window "$work/home/Bob.ktc" '^Choose a Character$' HUP
expect_line "$log" "Bob leaves"
grep -q '# End chatting with Bob$' <(tr -d '\r' <"$log") || { echo "FAIL: no end line"; exit 1; }

# Starts kiova on package $1 in the background.
start_kiova() {
  KIOVA_HOME="$work/home" SDL_AUDIODRIVER=dummy "$kiova" "$1" >/dev/null 2>&1 &
  pids+=($!)
}
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null && wait "$p"; done; cleanup' EXIT
printf 'name\r\nCarol\r\nfolder\r\nCarol\r\nversion\r\n210\r\ndata02\r\nevents.txt\r\n' \
  >"$work/home/Carol.ktc"
mkdir -p "$work/home/Carol"
printf '"{EQ{OPERATEMESSAGE}|KCCALLED}","Carol here"\r\n' >"$work/home/Carol/events.txt"
start_kiova "$work/home/Alice.ktc"
window_named '^Alice - Kiova$' >/dev/null || exit 1
start_kiova "$work/home/Carol.ktc"
window_named '^Carol - Kiova$' >/dev/null || exit 1
# The main window on top of the other (xwininfo lists the top first).
top_window() { xwininfo -root -children | grep -oE '"(Alice|Carol) - Kiova"' | head -n 1; }
[ "$(top_window)" = '"Carol - Kiova"' ] || { echo "FAIL: Carol is not on top"; exit 1; }
status=0
KIOVA_HOME="$work/home" timeout 20 "$kiova" "$work/home/Alice.ktc" || status=$?
[ "$status" -eq 0 ] || { echo "FAIL: a second start of Alice exited with $status"; exit 1; }
for _ in $(seq 100); do [ "$(top_window)" = '"Alice - Kiova"' ] && break; sleep 0.1; done
[ "$(top_window)" = '"Alice - Kiova"' ] || { echo "FAIL: Alice did not come forward"; exit 1; }
for pid in "${pids[@]}"; do
  kill -TERM "$pid"
  wait_for_exit "$pid" 10 || { echo "FAIL: exit status $? after SIGTERM"; exit 1; }
done
pids=()
for name in Alice Carol; do
  grep -q "# End chatting with $name\$" <(tr -d '\r' <"$log") || { echo "FAIL: $name did not end"; exit 1; }
done
echo "PASS"
