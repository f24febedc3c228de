#!/usr/bin/env bash
# Makes tarvik.exe's icon, tarvik.ico, from tarvik.svg; it is kept in the repository, so that a
# Windows build needs no SVG renderer (every PNG of the icon is drawn at build time, by
# cmake/icons.cmake). The ICO holds bitmaps of 16, 32 and 48 px for the title bar, the taskbar
# and lists at 100 %, of 20, 24, 40 and 64 px for the same at 125 % and 150 % (Windows takes
# the nearest size and would blur a scaled one), and 256 px as PNG for Explorer at high dpi.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bitmaps=()
for size in 16 20 24 32 40 48 64 256; do
    rsvg-convert --width "$size" --height "$size" --output "$work/$size.png" tarvik.svg
    [[ $size == 256 ]] || bitmaps+=("$work/$size.png")
done
icotool --create --bit-depth=32 --output tarvik.ico "${bitmaps[@]}" --raw="$work/256.png"
