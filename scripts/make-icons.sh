#!/usr/bin/env bash
# Renders the committed PNG icons from the SVG icon (run after editing the SVG).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" io.github.sonrel6.Sonrel6.svg -o "sonrel6-$size.png"
done
