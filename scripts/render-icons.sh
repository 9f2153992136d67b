#!/usr/bin/env bash
# Renders the application icon's PNG sizes from data/icons/tarvolix.svg.
# The PNGs are committed, so building never needs this; run it (it needs
# rsvg-convert from the package librsvg2-bin) after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "tarvolix-$size.png" tarvolix.svg
done
