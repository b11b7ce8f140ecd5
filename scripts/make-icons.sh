#!/usr/bin/env bash
# Draws the editor's icon (data/icons/orvedit.svg) in the sizes a desktop asks for, as the PNGs
# data/icons/hicolor/NxN/apps/orvedit.png the build and the package use.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || scripts/setup.sh --install-only librsvg2-bin
for size in 16 22 24 32 48 64 128 256; do
    folder="data/icons/hicolor/${size}x${size}/apps"
    mkdir -p "$folder"
    # The smallest size has a drawing of its own, on the pixel grid, so it stays sharp.
    source=data/icons/orvedit.svg
    [ "$size" -eq 16 ] && source=data/icons/orvedit-16.svg
    rsvg-convert -w "$size" -h "$size" "$source" -o "$folder/orvedit.png"
done
echo "Icons drawn in data/icons/hicolor"
