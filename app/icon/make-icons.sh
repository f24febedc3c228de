#!/usr/bin/env bash
# Makes the Qt window's icon (PNG, 64 x 64) and tarvik.exe's icon (ICO: 16, 32 and 48 px as
# bitmaps for the title bar and lists, 256 px as PNG for Explorer at high dpi) from tarvik.svg.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
rsvg-convert --width 64 --height 64 --output tarvik.png tarvik.svg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 16 32 48 256; do
    rsvg-convert --width "$size" --height "$size" --output "$work/$size.png" tarvik.svg
done
icotool --create --bit-depth=32 --output tarvik.ico "$work/16.png" "$work/32.png" "$work/48.png" \
    --raw="$work/256.png"
