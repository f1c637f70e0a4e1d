#!/usr/bin/env bash
# package.sh : installs what is missing, builds, and makes the Debian package of the build
# (build/kiova_VERSION_ARCH.deb, installing under /usr).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
dir=$("$root/scripts/build.sh" | tail -n 1)
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/kiova_*.deb
