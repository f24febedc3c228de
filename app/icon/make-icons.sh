#!/usr/bin/env bash
# Makes the window icon (PNG) and the Windows icon (ICO, 32 x 32 and 16 x 16) from tarvik.svg.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
convert -background none -density 384 tarvik.svg -resize 64x64 tarvik.png
convert -background none -density 384 tarvik.svg -resize 32x32 /tmp/tarvik-32.png
convert -background none -density 192 tarvik.svg -resize 16x16 /tmp/tarvik-16.png
convert /tmp/tarvik-32.png /tmp/tarvik-16.png tarvik.ico
rm -f /tmp/tarvik-32.png /tmp/tarvik-16.png
