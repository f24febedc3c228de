#!/usr/bin/env bash
# Runs a Windows test program under wine on a virtual X server, in a prefix of its own that
# draws through X: wine gives windows an input method only there. The prefix's wine server
# ends with the run.
#   run-on-x11.sh PREFIX WINE64 PROGRAM [ARGUMENTS...]
set -euo pipefail
if [[ -z ${TARVIK_ON_X11:-} ]]; then
    export TARVIK_ON_X11=1
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" "$0" "$@"
fi
prefix=$1 wine=$2
shift 2
lib=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/lib" && pwd)
# shellcheck source=scripts/lib/common.sh
source "$lib/common.sh"
wine_environment "$prefix" x11
export TARVIK_WINE=$wine
trap 'end_wineserver "$wine"' EXIT
"$lib/wine-prefix" "$prefix" x11
"$wine" "$@"
