#!/usr/bin/env bash
# Renders the four pictures of the Qt window in docs/ with the screenshot tool of an existing
# build (build/window/qt/tests/tarvik_screenshot, or $TARVIK_SCREENSHOT_TOOL) on Qt's offscreen
# platform: the empty window (window.png), the result for 1000 L/min in the bracket 50-500 mm
# (window-result.png), the red message for 1000 L/min in 200-500 mm (window-no-solution.png) and
# the empty window scaled to 125 %, as at 120 dpi (window-125.png). Refuses to run without a
# Japanese Gothic font (fonts-ipafont-gothic); prints each picture's size when it is done.
# Build first: cmake --preset dev && cmake --build --preset dev
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tool=${TARVIK_SCREENSHOT_TOOL:-$root/build/window/qt/tests/tarvik_screenshot}
docs=$root/docs

if [[ ! -x $tool ]]; then
    echo "screenshot.sh: $tool is missing; build the dev preset first" >&2
    exit 1
fi
if ! fc-list :lang=ja family | grep -qi gothic; then
    echo "screenshot.sh: no Japanese Gothic font; install fonts-ipafont-gothic" >&2
    exit 1
fi

mkdir -p "$docs"
export QT_QPA_PLATFORM=offscreen
"$tool" "$docs/window.png"
"$tool" "$docs/window-result.png" 1000 50 500
"$tool" "$docs/window-no-solution.png" 1000 200 500
QT_SCALE_FACTOR=1.25 "$tool" "$docs/window-125.png"

for picture in window window-result window-no-solution window-125; do
    if command -v identify >/dev/null; then
        identify -format "%f: %w x %h\n" "$docs/$picture.png"
    else
        echo "$docs/$picture.png"
    fi
done
