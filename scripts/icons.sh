#!/usr/bin/env bash
# Renders the icons' PNG sizes from their SVGs; run after editing an SVG and commit the PNGs.
# Installs rsvg-convert (Debian: librsvg2-bin) when it is missing, as the other scripts do.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
if ! command -v rsvg-convert >/dev/null 2>&1; then
  ensure_packages librsvg2-bin
fi
cd data/icons
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "png/$size"
  for svg in dotlark application-x-dotlark-picture; do
    rsvg-convert -w "$size" -h "$size" "$svg.svg" -o "png/$size/$svg.png"
  done
done
