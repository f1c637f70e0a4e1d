#!/usr/bin/env bash
# check_complete.sh LUPDATE CATALOGUE LUPDATE-OPTION... -- FOLDER...
# Fails when an interface text has no English: lupdate, run over the sources onto a copy of the
# catalogue, must find every text already translated.
set -euo pipefail
lupdate=$1 catalogue=$2
shift 2
options=()
while [ "$1" != "--" ]; do options+=("$1"); shift; done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$catalogue" "$work/catalogue.ts"
"$lupdate" -silent "${options[@]}" -extensions cpp,h "$@" -ts "$work/catalogue.ts"
if grep -q 'type="unfinished"' "$work/catalogue.ts"; then
  echo "interface texts without English in $catalogue:" >&2
  grep -B1 'type="unfinished"' "$work/catalogue.ts" | grep -v 'type="unfinished"' >&2
  echo "build the target update_translations, then translate them in $catalogue" >&2
  exit 1
fi
