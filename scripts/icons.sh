#!/usr/bin/env bash
# Renders the icons' PNG sizes from their SVGs (Debian: librsvg2-bin); run after editing an SVG
# and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "png/$size"
  for svg in dotlark application-x-dotlark-picture; do
    rsvg-convert -w "$size" -h "$size" "$svg.svg" -o "png/$size/$svg.png"
  done
done
