#!/usr/bin/env bash
# run.sh [ARGS...] : installs what is missing, builds, and starts Kiova.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
dir=$("$root/scripts/build.sh" | tail -n 1)
exec "$dir/kiova/kiova-tool" --help "$@"
