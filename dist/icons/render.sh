#!/usr/bin/env bash
# Renders the PNG sizes of the icon from org.korvel.Korvel.svg (needs rsvg-convert, Debian
# package librsvg2-bin). Run after changing the SVG and commit the PNGs with it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert -w "$size" -h "$size" org.korvel.Korvel.svg -o "${size}x${size}/org.korvel.Korvel.png"
done
