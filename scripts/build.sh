#!/usr/bin/env bash
# build.sh [--sanitize] : configures and builds into build/ (or build-asan/ with --sanitize).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$root/build; extra=()
if [ "${1:-}" = "--sanitize" ]; then
  dir=$root/build-asan; extra=(-DKIOVA_SANITIZE=ON -DKIOVA_BUILD_BENCH=OFF)
fi
# ccache, when the machine has it, makes rebuilds in other checkouts cheap.
command -v ccache >/dev/null && extra+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
echo "$dir"
