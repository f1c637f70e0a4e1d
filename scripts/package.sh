#!/usr/bin/env bash
# package.sh : installs what is missing, builds the program for /usr into build-deb/ and makes
# the Debian package there (build-deb/kiova_VERSION_ARCH.deb).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$root/build-deb
"$root/scripts/setup.sh"
extra=()
command -v ccache >/dev/null && extra+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DKIOVA_BUILD_TESTS=OFF -DKIOVA_BUILD_BENCH=OFF "${extra[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/kiova_*.deb
