#!/usr/bin/env bash
# build.sh [--sanitize | --package] : configures and builds into build/ (or build-asan/ with
# --sanitize, or build-deb/ with --package: Debian's hardening flags from dpkg-buildflags on
# every binary, no tests or benchmarks).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$root/build; extra=()
case "${1:-}" in
  --sanitize) dir=$root/build-asan; extra=(-DKIOVA_SANITIZE=ON -DKIOVA_BUILD_BENCH=OFF) ;;
  --package)
    dir=$root/build-deb
    eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
    # CMake reads no CPPFLAGS: the preprocessor's flags (fortification) go with the compilers'.
    extra=(-DKIOVA_BUILD_TESTS=OFF -DKIOVA_BUILD_BENCH=OFF
           "-DCMAKE_C_FLAGS=$CPPFLAGS $CFLAGS" "-DCMAKE_CXX_FLAGS=$CPPFLAGS $CXXFLAGS"
           "-DCMAKE_EXE_LINKER_FLAGS=$LDFLAGS" "-DCMAKE_SHARED_LINKER_FLAGS=$LDFLAGS"
           "-DCMAKE_MODULE_LINKER_FLAGS=$LDFLAGS") ;;
esac
# ccache, when the machine has it, makes rebuilds in other checkouts cheap.
command -v ccache >/dev/null && extra+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
echo "$dir"
