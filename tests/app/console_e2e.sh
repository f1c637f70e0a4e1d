#!/usr/bin/env bash
# The real `kiova --console` with piped input: characters written here greet, answer typed and
# Japanese lines, wait for Enter, take a patting action, fire a timer, switch by /change and say
# goodbye at the end of input; standard output, the conversation log, the settings file and the
# state file tell the rest. A profile-less start without a terminal is refused, writing nothing.
# Usage: console_e2e.sh PATH/TO/kiova PATH/TO/kiova-tool
set -euo pipefail
kiova=$1
tool=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
fail() { echo "FAIL: $*"; exit 1; }
sjis() { iconv -f UTF-8 -t CP932; }

# Alice: ASCII but for one Japanese reply, written in the code page as Windows writes it.
mkdir -p "$home/Alice" "$home/Bob"
printf '%s\r\n' name Alice folder Alice version 210 data02 events.txt datab2 replies.txt \
  nadenade 1 datanadenade pat.txt >"$home/Alice.ktc"
printf '%s\r\n' '"{EQ{OPERATEMESSAGE}|KCCALLED}","Hello"' \
  '"{EQ{OPERATEMESSAGE}|CLOSEWINDOW}","Bye for now"' \
  '"{EQ{OPERATEMESSAGE}|ALARM}","Time is up"' >"$home/Alice/events.txt"
printf '%s\r\n' '"HELLO","Nice to meet you"' '"WAIT","One{WAITRETURN}Two"' \
  '"STROKE","Purr{COUNT51++}"' '"TIMER","Soon{TIMER1|alarm}"' '"SLASH","Slashed"' \
  '"BYE","See you{QUITSYSTEM}"' '"NAME","You are {NICKNAME}"' \
  '"PICTURE","Look{PIC:face.bmp} here"' '"CLEAR","Old{CLEAR}New"' \
  '"SKIP","First{SKIP:hello}"' \
  '"こんにちは","こんにちは、ようこそ"' | sjis >"$home/Alice/replies.txt"
printf 'Stroke,stroke\r\n' >"$home/Alice/pat.txt"
# A 1x1 bitmap.
printf '\x42\x4d\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0\x04\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\xff\0\0\0' \
  >"$home/Alice/face.bmp"
printf 'name\r\nBob\r\nfolder\r\nBob\r\nversion\r\n210\r\ndata02\r\nevents.txt\r\n' >"$home/Bob.ktc"
printf '%s\r\n' '"{EQ{OPERATEMESSAGE}|KCCALLED}","Bob here"' \
  '"{EQ{OPERATEMESSAGE}|CLOSEWINDOW}","Bob leaves"' \
  '"{EQ{OPERATEMESSAGE}|INVALIDCHARACTER}","No such character"' >"$home/Bob/events.txt"
printf 'not a character\r\n' >"$work/note.txt"
profile='User=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05'

export KIOVA_HOME=$home SDL_AUDIODRIVER=dummy
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LANGUAGE LC_ALL LC_MESSAGES
export LANG=ja_JP.UTF-8  # the program's own texts

# No profile and no terminal to ask on: a one-line refusal, exit 1, no file written.
: >"$home/Kiova.ini"
status=0
"$kiova" --console "$home/Alice.ktc" </dev/null >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "a start without a profile exited with $status"
[ "$(wc -l <"$work/err")" -eq 1 ] && grep -q 'Kiova.ini' "$work/err" ||
  fail "refusal: $(cat "$work/err")"
[ ! -s "$home/Kiova.ini" ] && [ ! -e "$home/kiova.log" ] || fail "the refused start wrote files"

# On a terminal (script(1) gives one) the first start asks for the profile, checks it as the
# settings dialog does, and keeps it; answers then play letter by letter.
if command -v script >/dev/null; then
  printf 'Yamada\nTaro\ntaro\nTaro\n男\n1980/02/30\n\n\n\n\n\n1980/05/05\nname\n\004' |
    timeout 20 script -qec "'$kiova' --console '$home/Alice.ktc'" /dev/null >"$work/out" ||
    fail "the start on a terminal failed: $(cat "$work/out")"
  grep -q '不正な日付です' "$work/out" || fail "an impossible birthday was taken: $(cat "$work/out")"
  grep -q 'You are Taro' "$work/out" || fail "the profile did not reach the character"
  grep -qxF "$profile" <(tr -d '\r' <"$home/Kiova.ini") || fail "the profile was not saved"
  rm -f "$home/kiova.log"
fi

printf '[User]\r\n%s\r\n' "$profile" >"$home/Kiova.ini"
{
  printf 'hello\nwait\n\n/pat\n/pat 1\n/pat 99\nこんにちは\n//slash\n/nonsense\ntimer\n'
  sleep 2.5
  printf '/change %s\n/change %s\n' "$home/Bob.ktc" "$work/note.txt"
} | "$kiova" "$home/Alice.ktc" >"$work/out" 2>"$work/err" ||
  fail "exit status $?: $(cat "$work/err")"

grep -qx 'kiova: ディスプレイがありません (.*)。端末で話します' "$work/err" ||
  fail "no note of the terminal's choice: $(cat "$work/err")"
expected=$(cat <<'END'
Hello
Nice to meet you
One▼
Two
なでなでめにゅー
  1. Stroke
Purr
なでなでの動作 99 はありません。
こんにちは、ようこそ
Slashed
不明なコマンドです: /nonsense
END
)
diff <(head -n 11 "$work/out") <(printf '%s\n' "$expected") || fail "the conversation differs"
grep -qx 'コマンド:' "$work/out" || fail "no command list for /nonsense"
tail -n 5 "$work/out" >"$work/tail"
diff "$work/tail" <(printf '%s\n' Soon 'Time is up' 'Bob here' 'No such character' 'Bob leaves') ||
  fail "timer, switch and farewell differ: $(cat "$work/out")"

# The log, new here, in UTF-8 with LF: one line per entry.
! grep -q $'\r' "$home/kiova.log" || fail "the new log has CR LF line ends"
log=$(iconv -f UTF-8 -t UTF-8 "$home/kiova.log" | sed 's/^## [0-9/]* [0-9:]* #/#/') ||
  fail "the log is no UTF-8"
expected_log=$(cat <<'END'
# Start chatting with Alice
Hello
hello
Nice to meet you
wait
OneTwo
stroke
Purr
こんにちは
こんにちは、ようこそ
/slash
Slashed
timer
Soon
Time is up

# End chatting with Alice
# Start chatting with Bob
Bob here

No such character
Bob leaves
# End chatting with Bob
END
)
diff <(printf '%s\n' "$log") <(printf '%s\n' "$expected_log") || fail "the conversation log differs"

ini=$(tr -d '\r' <"$home/Kiova.ini")
grep -qxF "$profile" <<<"$ini" || fail "the profile was not kept: $ini"
# Alice's state file was written when she left: the patting action counted once.
[ "$("$tool" eval "$home/Alice.ktc" '{COUNT51}')" = 1 ] || fail "Alice's state was not saved"

# SIGTERM, and SIGHUP (the terminal closed), close like the end of input: the farewell is
# printed and logged, exit status 0.
for signal in TERM HUP; do
  rm -f "$home/kiova.log" "$work/in"
  mkfifo "$work/in"
  "$kiova" --console "$home/Alice.ktc" <"$work/in" >"$work/out" 2>&1 &
  pid=$!
  exec 3>"$work/in"
  sleep 1
  kill "-$signal" "$pid"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid"; fail "SIG$signal did not end the program"; }
  wait "$pid" || fail "SIG$signal gave exit status $?"
  exec 3>&-
  [ "$(tail -n 1 "$work/out")" = "Bye for now" ] || fail "no farewell at SIG$signal: $(cat "$work/out")"
  grep -q '# End chatting with Alice' "$home/kiova.log" || fail "no end line at SIG$signal"
done

# The same character twice: the second start says so in one line, exits 1 and writes nothing.
rm -f "$work/in"
mkfifo "$work/in"
"$kiova" --console "$home/Alice.ktc" <"$work/in" >"$work/out" 2>&1 &
pid=$!
exec 3>"$work/in"
for _ in $(seq 100); do grep -q Hello "$work/out" && break; sleep 0.1; done
cp "$home/Kiova.ini" "$work/ini.before"
cp "$home/kiova.log" "$work/log.before"
status=0
"$kiova" --console "$home/Alice.ktc" </dev/null >"$work/out2" 2>"$work/err2" || status=$?
[ "$status" -eq 1 ] || fail "a second start of Alice exited with $status"
[ "$(wc -l <"$work/err2")" -eq 1 ] && grep -q '別のプロセスで既に動いています' "$work/err2" ||
  fail "second start: $(cat "$work/err2")"
[ ! -s "$work/out2" ] || fail "the second start printed: $(cat "$work/out2")"
cmp -s "$home/Kiova.ini" "$work/ini.before" && cmp -s "$home/kiova.log" "$work/log.before" ||
  fail "the second start wrote files"
exec 3>&-
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid" || fail "the first Alice exited with $?"

# Picture changes are reported only with --verbose.
printf 'picture\n' | "$kiova" --console "$home/Alice.ktc" >"$work/out" || fail "picture: exit $?"
diff "$work/out" <(printf '%s\n' Hello 'Look here' 'Bye for now') || fail "a picture was reported"
printf 'picture\n' | "$kiova" --console --verbose "$home/Alice.ktc" >"$work/out" ||
  fail "picture: exit $?"
grep -qx '\[picture face.bmp\]' "$work/out" || fail "no picture line with --verbose: $(cat "$work/out")"

# CLEAR starts a new paragraph; SKIP: gives the answer to another line instead.
printf 'clear\nskip\n' | "$kiova" --console "$home/Alice.ktc" >"$work/out" || fail "clear: exit $?"
diff "$work/out" <(printf '%s\n' Hello Old '' New First 'Nice to meet you' 'Bye for now') ||
  fail "CLEAR or SKIP: printed otherwise"

# QUITSYSTEM ends the program where it stands: the farewell follows, later lines are unread.
printf 'bye\nhello\n' | "$kiova" --console "$home/Alice.ktc" >"$work/out" 2>&1 ||
  fail "QUITSYSTEM: exit status $?"
diff "$work/out" <(printf '%s\n' Hello 'See you' 'Bye for now') ||
  fail "QUITSYSTEM did not end the program"

# A closed output ends the program in order, with exit status 0 and the state saved.
set +o pipefail
yes hello | head -n 20000 | "$kiova" --console "$home/Alice.ktc" 2>/dev/null | head -n 1 >/dev/null
statuses=("${PIPESTATUS[@]}")
set -o pipefail
[ "${statuses[2]}" -eq 0 ] || fail "a closed output gave exit status ${statuses[2]}"
[ "$(tail -n 1 "$home/kiova.log" | tr -d '\r' | sed 's/^## [0-9/]* [0-9:]* //')" = \
  '# End chatting with Alice' ] || fail "a closed output did not end the program in order"
echo "PASS"
