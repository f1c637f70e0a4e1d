#!/usr/bin/env bash
# The real `kiova --console` for a user whose home and program folders hold an accented letter
# and an emoji: a UTF-8 character (accents, kanji and emoji in its keys, answers, variables and
# names) talks, keeps its state across a restart, and is switched with a Shift_JIS one; the
# settings file holds the paths exactly and every file the program creates is UTF-8.
# Usage: unicode_e2e.sh PATH/TO/kiova PATH/TO/kiova-tool
set -euo pipefail
kiova=$1
tool=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

export HOME="$work/josé🐱"
home="$HOME/Kiova é🐱"
mkdir -p "$home/Zoë 🐱" "$home/Alice"
printf '%s\n' name 'Zoë 🐱' folder 'Zoë 🐱' version 210 charset utf-8 data02 events.txt \
  datab2 replies.txt DefaultBitmap 'café.bmp' >"$home/Zoë.ktc"
printf '%s\n' '"{EQ{OPERATEMESSAGE}|KCCALLED}","Bonjour"' \
  '"{EQ{OPERATEMESSAGE}|CLOSEWINDOW}","Au revoir"' >"$home/Zoë 🐱/events.txt"
printf '%s\n' '"^CAF.$","Un café ☕"' '"^[éè]T[éè]$","L'"'"'été"' '"猫","にゃん🐱"' \
  '"^🐱$","{LENGTH:Zoë🐱}"' '"^KEEP (.*)","Kept{MEMO50:{PREV}}"' \
  '"^RECALL$","{MEMO50}"' >"$home/Zoë 🐱/replies.txt"
printf '%s\r\n' name Alice folder Alice version 210 data02 events.txt >"$home/Alice.ktc"
printf '%s\r\n' '"{EQ{OPERATEMESSAGE}|KCCALLED}","こんにちは"' \
  '"{EQ{OPERATEMESSAGE}|CLOSEWINDOW}","さようなら"' | iconv -f UTF-8 -t CP932 \
  >"$home/Alice/events.txt"
# A 1x1 bitmap under an accented name.
printf '\x42\x4d\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0\x04\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\xff\0\0\0' \
  >"$home/Zoë 🐱/café.bmp"
profile='User=Dupré{BR}Zoë{BR}zoë{BR}Zo🐱{BR}Female{BR}1990/01/02'
printf '[User]\n%s\n' "$profile" >"$home/Kiova.ini"

export KIOVA_HOME=$home SDL_AUDIODRIVER=dummy LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_STATE_HOME LANGUAGE

printf '%s\n' café été 猫 🐱 'keep Zoë 🐱' /change 1 |
  "$kiova" --console "$home/Zoë.ktc" >"$work/out" 2>"$work/err" ||
  fail "exit status $?: $(cat "$work/err")"
diff "$work/out" <(printf '%s\n' Bonjour 'Un café ☕' "L'été" 'にゃん🐱' 5 Kept 'Choose a Character' \
  "  1. Alice  ($home/Alice.ktc)" "  2. Zoë 🐱  ($home/Zoë.ktc)" \
  'Number, a package path, or an empty line to cancel: ' こんにちは さようなら) ||
  fail "the conversation differs"

# The state file keeps the memo in UTF-8 across a restart.
printf 'recall\n' | "$kiova" --console "$home/Zoë.ktc" >"$work/out" 2>"$work/err" ||
  fail "restart: exit status $?: $(cat "$work/err")"
sed -n 2p "$work/out" | grep -qxF 'keep Zoë 🐱' || fail "the memo came back as $(cat "$work/out")"

# The settings name the characters by their paths exactly; every file created is UTF-8 with LF.
grep -qxF "$home/Zoë.ktc" <(sed 's/^[^=]*=//' "$home/Kiova.ini") ||
  fail "Kiova.ini lost the path: $(cat "$home/Kiova.ini")"
# (Alice names no picture: the error log says so, in UTF-8.)
for file in "$home/Kiova.ini" "$home/kiova.log" "$home/KiovaErr.log"; do
  iconv -f UTF-8 -t UTF-8 "$file" >/dev/null || fail "$file is no UTF-8"
  ! grep -q $'\r' "$file" || fail "$file has CR LF line ends"
done
grep -q 'Start chatting with Zoë 🐱' "$home/kiova.log" || fail "the log lost the name"
! grep -q café "$home/KiovaErr.log" || fail "errors: $(cat "$home/KiovaErr.log")"

# kiova-tool reads the character the same way.
[ "$("$tool" eval "$home/Zoë.ktc" '{LENGTH:Zoë🐱}|{MEMO50}')" = '5|keep Zoë 🐱' ] ||
  fail "kiova-tool eval differs"
"$tool" info "$home/Zoë.ktc" | grep -qx 'encoding:    UTF-8 (charset)' || fail "info: no encoding"
echo "PASS"
