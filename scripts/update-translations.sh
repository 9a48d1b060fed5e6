#!/usr/bin/env bash
# Brings translations/sonrel6_en.ts up to date with the sources: new texts
# appear as unfinished entries to translate (Qt Linguist or any editor),
# texts gone from the sources are dropped.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lupdate-options.sh
"$LUPDATE" "${LUPDATE_OPTIONS[@]}" src -ts translations/sonrel6_en.ts
grep -c 'type="unfinished"' translations/sonrel6_en.ts | sed 's/$/ texts still to translate/'
