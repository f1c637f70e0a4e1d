#!/usr/bin/env bash
# run.sh [ARGS...] : installs what is missing, builds, and starts Kiova (with the demo character
# when no arguments are given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
dir=$("$root/scripts/build.sh" | tail -n 1)
[ $# -gt 0 ] || set -- "$dir/kiova/hina.ktc"
exec "$dir/kiova/kiova" "$@"
