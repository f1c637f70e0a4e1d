#!/usr/bin/env bash
# test.sh [--sanitize] : installs what is missing, builds, and runs every test
# (with --sanitize, under AddressSanitizer and UndefinedBehaviorSanitizer).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
dir=$("$root/scripts/build.sh" "$@" | tail -n 1)
source "$root/scripts/test-env.sh"
# Each test carries its own time limit (a minute); this one holds for any that does not.
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" --timeout 60
