#!/usr/bin/env bash
# test.sh [--sanitize] : installs what is missing, builds, and runs every test
# (with --sanitize, under AddressSanitizer and UndefinedBehaviorSanitizer).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
dir=$("$root/scripts/build.sh" "$@" | tail -n 1)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" --timeout 600
