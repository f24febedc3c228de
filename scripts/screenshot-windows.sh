#!/usr/bin/env bash
# Renders docs/window-windows.png, the Win32 window after calculating 1000 L/min in the
# bracket 50-500 mm, under wine without a display, from an existing Windows build.
# Build first: scripts/check-windows (or cmake --preset windows && cmake --build --preset windows)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/lib/common.sh
source "$root/scripts/lib/common.sh"
build=$root/build-windows
tool=$build/window/win32/tests/win32_screenshot.exe
picture=$root/docs/window-windows.png

if [[ ! -f $tool ]]; then
    echo "screenshot-windows.sh: $tool is missing; build the windows preset first" >&2
    exit 1
fi
if ! command -v convert >/dev/null; then
    echo "screenshot-windows.sh: no ImageMagick convert; install imagemagick" >&2
    exit 1
fi

wine=$(wine_of_build "$build")
wine_environment "$build/wine"
work=$(mktemp -d)
trap 'end_wineserver "$wine"; rm -rf "$work"' EXIT
TARVIK_WINE=$wine "$root/scripts/lib/wine-prefix" "$WINEPREFIX"

# wine's programs see the current folder; a relative name needs no path translation.
(cd "$work" && "$wine" "$tool" window.bmp 1000 50 500)
# No dates in the file, so that an unchanged window gives an unchanged picture.
convert "$work/window.bmp" -define png:exclude-chunks=date,time "$picture"
identify -format "%f: %w x %h\n" "$picture"
