#!/usr/bin/env bash
# Renders the pictures of the window in docs/ from an existing build, headless, with the
# Japanese font: the empty window, a result, the no-solution message and the window at 120 dpi.
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
