#!/usr/bin/env bash
# package_check.sh DEB: as root on a Debian machine, checks the package as a distribution
# would: lintian reports no error and no warning; `apt install` then `apt purge` leaves no file
# outside users' folders and no trace of the program in the desktop's caches.
set -euo pipefail
deb=$(realpath "$1")
[ "$(id -u)" -eq 0 ] || { echo "package_check: run as root (it installs the package)" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "package_check: $*" >&2; exit 1; }

lintian --fail-on error,warning "$deb" >"$tmp/lintian" 2>/dev/null ||
  { cat "$tmp/lintian" >&2; fail "lintian is not clean"; }
# Some hardening tags are only information; every binary must be hardened all the same.
lintian --display-info --tags \
  hardening-no-fortify-functions,hardening-no-bindnow,hardening-no-pie,hardening-no-relro \
  "$deb" >"$tmp/hardening" 2>/dev/null || true
[ ! -s "$tmp/hardening" ] || { cat "$tmp/hardening" >&2; fail "a binary lacks hardening"; }

# Every file of the system but the users' folders and the package tools' own records.
snapshot() {
  find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /run -o -path /tmp \
    -o -path /var/tmp -o -path /home -o -path /root -o -path /work -o -path /var/log \
    -o -path /var/cache -o -path /var/lib/apt -o -path /var/lib/dpkg -o -path "$tmp" \) \
    -prune -o -print | sort
}
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -qq --no-install-recommends "$@" >/dev/null; }

# A first round brings the package's dependencies, which stay; the second measures the package.
apt_get install "$deb"
apt_get purge kiova
snapshot >"$tmp/before"
apt_get install "$deb"
kiova --version | grep -q '^kiova [0-9]' || fail "the installed kiova does not start"
for file in /usr/share/doc/kiova/copyright /usr/share/doc/kiova/changelog.gz \
    /usr/share/applications/org.example.kiova.desktop \
    /usr/share/metainfo/org.example.kiova.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/org.example.kiova.svg; do
  [ -f "$file" ] || fail "$file is not installed"
done
apt_get purge kiova
snapshot >"$tmp/after"
diff -u "$tmp/before" "$tmp/after" >&2 || fail "apt purge kiova left the files above"
for cache in /usr/share/mime /usr/share/applications /usr/share/icons/hicolor /etc; do
  left=$(grep -rlI -e kiova -e x-kiova-character "$cache" 2>/dev/null || true)
  [ -z "$left" ] || fail "the program is still named in $left"
done
echo "package_check: passed"
