#!/usr/bin/env bash
# build.sh [--sanitize] : configures and builds into build/ (or build-asan/ with --sanitize).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$root/build; extra=()
if [ "${1:-}" = "--sanitize" ]; then
  dir=$root/build-asan; extra=(-DKIOVA_SANITIZE=ON -DKIOVA_BUILD_BENCH=OFF)
fi
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
echo "$dir"
