#!/usr/bin/env bash
# install_check.sh BUILD_DIR: installs the build under a temporary DESTDIR with prefix /usr,
# checks the desktop's files with their validators (when the machine has them), then runs the
# installed programs as a new user would: a temporary HOME, no KIOVA_HOME.
set -euo pipefail
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "install_check: $*" >&2; exit 1; }

DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >/dev/null
usr=$tmp/root/usr
library=$(find "$usr/lib" -type d -name kiova | head -n 1)
[ -n "$library" ] || fail "no library folder lib/.../kiova"

id=org.example.kiova
for file in bin/kiova bin/kiova-tool share/kiova/characters/hina.ktc share/kiova/Help/index.htm share/kiova/Help/index.en.htm \
    share/kiova/kiova.svg share/applications/$id.desktop share/mime/packages/kiova.xml \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/kiova.1.gz share/man/man1/kiova-tool.1.gz share/doc/kiova/copyright \
    share/lintian/overrides/kiova; do
  [ -f "$usr/$file" ] || fail "$file is not installed"
done
version=$("$usr/bin/kiova" --version | cut -d' ' -f2)
zcat "$usr/share/doc/kiova/changelog.gz" | head -n 1 | grep -qF "kiova ($version)" ||
  fail "the changelog's latest entry is not version $version"
grep -q "<release version=\"$version\"" "$usr/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream data have no release $version"
grep -q "^Icon=$id\$" "$usr/share/applications/$id.desktop" || fail "the desktop entry's icon is not $id"
for size in 16 22 24 32 48 64 128 256; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  file "$png" | grep -q "PNG image data, $size x $size" || fail "no $size x $size icon"
done
[ -f "$library/SPIs/qtimage.spi" ] && [ -f "$library/plugins/dice.so" ] ||
  fail "decoders or plug-ins missing from $library"
zcat "$usr/share/man/man1/kiova-tool.1.gz" | grep -q '^\\fBkiova\\-tool info PACKAGE' ||
  fail "kiova-tool(1) lacks the README's commands"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$usr/share/applications/$id.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$usr"/share/metainfo/*.metainfo.xml >/dev/null
fi
if command -v update-mime-database >/dev/null; then
  update-mime-database "$usr/share/mime" >/dev/null 2>&1 || fail "update-mime-database refused"
  grep -q 'application/x-kiova-character:\*\.ktc' "$usr/share/mime/globs" || fail "no *.ktc glob"
fi

"$usr/bin/kiova" --version | grep -q '^kiova [0-9]' || fail "the installed kiova does not start"

# A new user: a query names the per-user folder and writes nothing; the first start makes it,
# private, with the demo characters in it, the one who speaks the interface's language
# (Japanese here) first (and stops there, as there is no profile yet).
export HOME=$tmp/home LANG=ja_JP.UTF-8
unset KIOVA_HOME XDG_DATA_HOME LANGUAGE LC_ALL LC_MESSAGES
mkdir "$HOME"
folder=$HOME/.local/share/kiova
info=$("$usr/bin/kiova-tool" info --json)
[ -z "$(ls -A "$HOME")" ] || fail "kiova-tool info wrote into the home folder"
env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy "$usr/bin/kiova" --console \
  </dev/null >/dev/null 2>&1 && fail "kiova --console started without a profile"
for expected in "\"programFolder\":\"$folder/\"" '"exists":false' '"choice":"per-user"' \
    "\"decoderFolders\":[\"$folder/SPIs/\",\"$library/SPIs/\"]" \
    "\"helpPage\":\"$usr/share/kiova/Help/index.htm\""; do
  grep -qF "$expected" <<<"$info" || fail "info --json lacks $expected: $info"
done
[ "$(stat -c %a "$folder")" = 700 ] || fail "the per-user folder is not private"
grep -q "^Char1=$folder/hina.ktc" "$folder/Kiova.ini" && grep -q "^Char2=$folder/hina-en.ktc" \
  "$folder/Kiova.ini" || fail "the demo characters are not listed, Japanese first"
# An English-speaking new user meets the English twin first.
english=$tmp/english/.local/share/kiova
mkdir -p "$tmp/english"
HOME=$tmp/english LANG=en_US.UTF-8 SDL_AUDIODRIVER=dummy \
  env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/kiova" --console </dev/null >/dev/null 2>&1 || true
grep -q "^Char1=$english/hina-en.ktc" "$english/Kiova.ini" || fail "the English twin is not first"

# Plug-ins named in the per-user Plugins.txt come from the installed plug-in folder.
printf 'dice\r\n' >"$folder/Plugins.txt"
rolled=$("$usr/bin/kiova-tool" eval "$folder/hina.ktc" --plugins '{Dice.Roll:1d1+2}')
[ "$rolled" = 3 ] || fail "the installed dice plug-in did not answer: $rolled"
# The installed program in a terminal, without a display: the demo character greets.
printf '[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n' >>"$folder/Kiova.ini"
greeting=$(env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy \
  "$usr/bin/kiova" --console </dev/null) ||
  fail "the installed kiova --console failed: $greeting"
grep -q 'はじめまして、ひなです。' <<<"$greeting" || fail "no greeting from Hina: $greeting"
# Under an English locale the installed catalogue gives the interface in English.
patting=$(printf '/pat\n' | env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL \
  -u LC_MESSAGES LANG=en_US.UTF-8 SDL_AUDIODRIVER=dummy "$usr/bin/kiova" --console)
grep -qx 'Patting Menu' <<<"$patting" || fail "the installed kiova is not in English: $patting"
echo "install_check: passed"
