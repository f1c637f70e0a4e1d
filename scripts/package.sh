#!/usr/bin/env bash
# package.sh [--check] : installs what is missing, builds with Debian's hardening flags, and
# makes the Debian package of that build (build-deb/kiova_VERSION_ARCH.deb, installing under
# /usr). --check then runs lintian on it and installs and purges it for real (as root).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
dir=$("$root/scripts/build.sh" --package | tail -n 1)
rm -f "$dir"/kiova_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/kiova_*.deb)
[ "${1:-}" != "--check" ] || "$root/tests/install/package_check.sh" "$deb" >&2
echo "$deb"
