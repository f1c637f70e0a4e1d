#!/usr/bin/env bash
# The real `kiova --console` in each language the locale can choose: the patting list, a
# message, the profile and the settings as a user reads them. The windows' texts are written in
# Japanese and the terminal's in English; the catalogues beside the executable give each in the
# other language, and without them each text stays as written.
# Usage: language_e2e.sh PATH/TO/kiova
set -euo pipefail
kiova=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$home/Alice"
printf '%s\r\n' name Alice folder Alice version 210 data02 events.txt >"$home/Alice.ktc"
printf '%s\r\n' '"{EQ{OPERATEMESSAGE}|KCCALLED}","Hello"' >"$home/Alice/events.txt"
printf '[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}Female{BR}1980/05/05\r\n' \
  >"$home/Kiova.ini"
export KIOVA_HOME=$home SDL_AUDIODRIVER=dummy
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LANGUAGE LC_ALL LC_MESSAGES

# talk KIOVA LOCALE: the session's output after the greeting.
talk() {
  printf '/pat\n/pat 1\n/profile\n/settings\n' | LANG=$2 "$1" --console "$home/Alice.ktc" 2>"$work/err" |
    sed 1d
  [ ! -s "$work/err" ] || fail "under $2: $(cat "$work/err")"
}

japanese=$(cat <<'END'
なでなでめにゅー
  1. なでなで未対応人格
この人格はなでなでに対応していません。
苗字: Yamada
名前: Taro
ハンドルネーム: taro
ニックネーム: Taro
性別: 女
誕生日: 1980/05/05
フォントの設定: ＭＳ ゴシック 9pt
速度: 55 ms
ログを保存する: オン
サウンドを使用: オン
人格のフォルダーにあるプログラムの実行を許可: オフ
Plug-in を有効にする: オフ
END
)
english=$(cat <<'END'
Patting Menu
  1. This character takes no patting
This character takes no patting.
Last name: Yamada
First name: Taro
Handle: taro
Nickname: Taro
Gender: Female
Birthday: 1980/05/05
Balloon font: ＭＳ ゴシック 9pt
Typing speed: 55 ms
Keep a log of conversations: on
Play sounds: on
Allow running programs from the character's folder: off
Enable plug-ins: off
END
)
diff <(talk "$kiova" ja_JP.UTF-8) <(printf '%s\n' "$japanese") || fail "Japanese differs"
diff <(talk "$kiova" en_US.UTF-8) <(printf '%s\n' "$english") || fail "English differs"
diff <(talk "$kiova" C) <(printf '%s\n' "$english") || fail "the C locale is not English"
# --help and a usage error too, printed before the program makes its application.
[ "$(LANG=ja_JP.UTF-8 "$kiova" --help | head -n 1)" = '使い方: kiova [--console] [--verbose] [PACKAGE]' ] ||
  fail "--help is not Japanese"
[ "$(LANG=en_US.UTF-8 "$kiova" --nonsense 2>&1 | sed -n 2p)" = \
  'usage: kiova [--console] [--verbose] [PACKAGE]' ] || fail "the usage error is not English"
[ "$(LANG=ja_JP.UTF-8 "$kiova" --nonsense 2>&1 | head -n 1)" = 'kiova: 不明なオプション "--nonsense" です' ] ||
  fail "the option error is not Japanese"

# Without its catalogues the program keeps its texts as written: the windows' in Japanese.
mkdir "$work/bin"
cp "$kiova" "$work/bin/"
diff <(talk "$work/bin/kiova" en_US.UTF-8) <(printf '%s\n' "$japanese" |
  sed 's/^この人格はなでなでに対応していません。$/This character takes no patting./;
       s/: オン$/: on/; s/: オフ$/: off/') || fail "no catalogue: not the built-in texts"
echo "PASS"
