#!/usr/bin/env bash
# Runs a Windows test program under wine at another dpi: sets the prefix's LogPixels, runs
# the program, and sets it back to 96. Every wine program started meanwhile would come up at
# that dpi too, so ctest runs this one alone (RUN_SERIAL).
#   run-at-dpi.sh DPI PREFIX WINE64 PROGRAM [ARGUMENTS...]
set -euo pipefail
dpi=$1 prefix=$2 wine=$3
shift 3
# shellcheck source=scripts/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/lib/common.sh"
wine_environment "$prefix"

set_dpi() {
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
}
trap 'set_dpi 96' EXIT
set_dpi "$dpi"
"$wine" "$@"
