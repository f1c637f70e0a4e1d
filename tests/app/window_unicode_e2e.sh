#!/usr/bin/env bash
# The real `kiova` in a real X server for a user whose home and program folders hold an accented
# letter and an emoji: the first start offers the UTF-8 character found in the program folder and
# the settings file keeps its path exactly; the next start loads her from there, she greets,
# answers a typed line and quits on Ctrl+Q; every file the program created is UTF-8 with LF.
# Usage: window_unicode_e2e.sh PATH/TO/kiova
set -euo pipefail
kiova=$1
source "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool

work=$(mktemp -d)
xvfb_pid=
kiova_pid=
cleanup() {
  [ -z "$kiova_pid" ] || { kill "$kiova_pid" 2>/dev/null && wait "$kiova_pid"; } || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export HOME="$work/josé🐱"
home="$HOME/Kiova é🐱"
mkdir -p "$home/Zoë 🐱"
printf '%s\n' name 'Zoë 🐱' folder 'Zoë 🐱' version 210 charset utf-8 data02 events.txt \
  datab2 replies.txt >"$home/Zoë.ktc"
printf '%s\n' '"{EQ{OPERATEMESSAGE}|KCCALLED}","Bonjour, {NICKNAME}"' >"$home/Zoë 🐱/events.txt"
printf '%s\n' '"^HELLO$","Un café ☕ pour {NICKNAME}"' >"$home/Zoë 🐱/replies.txt"
printf '[User]\n%s\n[Balloon]\nSpeed=5\n' 'User=Dupré{BR}Zoë{BR}zoë{BR}Zoë 🐱{BR}Female{BR}1990/01/02' \
  >"$home/Kiova.ini"
# The files written above; everything else in the home folder is the program's.
find "$HOME" -type f | sort >"$work/written"

start_xvfb
unset LANGUAGE LC_MESSAGES XDG_STATE_HOME XDG_CONFIG_HOME XDG_DATA_HOME
export LC_ALL=C.UTF-8 KIOVA_HOME=$home SDL_AUDIODRIVER=dummy
# No character is listed yet: the start asks for one, and the program folder offers Zoë. The
# choice goes into the settings when the program ends (SIGTERM ends it in order).
"$kiova" &
kiova_pid=$!
dialog=$(window_named '^Choose a Character$')
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
# The first row, selected, then OK; the dialog may be gone before Return is released.
xdotool key --window "$dialog" Down space Return 2>/dev/null || true
window_named '^Zoë 🐱 - Kiova$' >/dev/null
log="$home/kiova.log"
wait_for_line "$log" "Bonjour, Zoë 🐱"
kill -TERM "$kiova_pid"
wait_for_exit "$kiova_pid" 10 || fail "exit status $? after SIGTERM"
kiova_pid=
grep -qxF "$home/Zoë.ktc" <(sed 's/^[^=]*=//' "$home/Kiova.ini") ||
  fail "Kiova.ini lost the path: $(cat "$home/Kiova.ini")"

# The next start loads her from that path and talks.
rm "$log"
"$kiova" &
kiova_pid=$!
window=$(window_named '^Zoë 🐱 - Kiova$')
wait_for_line "$log" "Bonjour, Zoë 🐱"
say_line "$window" hello "$log" "Un café ☕ pour Zoë 🐱"
quit_with_ctrl_q "$window"
expect_line "$log" "hello"
grep -q '# End chatting with Zoë 🐱$' "$log" || fail "no end line: $(cat "$log")"

# The state file is enciphered bytes, as characters made on Windows expect.
created=$(comm -13 "$work/written" <(find "$HOME" -type f ! -name '*.kts' | sort))
[ -n "$created" ] || fail "the program created no file"
while IFS= read -r file; do
  iconv -f UTF-8 -t UTF-8 "$file" >/dev/null 2>&1 || fail "$file is no UTF-8"
  ! grep -q $'\r' "$file" || fail "$file has CR LF line ends"
done <<<"$created"$'\n'"$home/Kiova.ini"
echo "PASS"
