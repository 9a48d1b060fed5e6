#!/usr/bin/env bash
# Fails when a user-visible text of the sources has no English translation.
set -euo pipefail
root="$1"
cd "$root"
source scripts/lupdate-options.sh
LCONVERT=$(command -v /usr/lib/qt6/bin/lconvert || command -v lconvert || true)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$LCONVERT" -i translations/*.ts -o "$work/current.ts"
"$LUPDATE" "${LUPDATE_OPTIONS[@]}" src -ts "$work/current.ts" >/dev/null
missing=$(grep -c 'type="unfinished"' "$work/current.ts" || true)
if [ "$missing" -ne 0 ]; then
  echo "$missing texts without an English translation (run scripts/update-translations.sh):"
  grep -A1 '<source>' "$work/current.ts" | grep -B1 'type="unfinished"' | grep '<source>' | head -60
  exit 1
fi
echo "every text has its English translation"
