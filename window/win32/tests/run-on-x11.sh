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
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" TARVIK_WINE=$wine
trap '"$(dirname "$wine")/wineserver" -k 2>/dev/null || true' EXIT
"$here/../../../scripts/lib/wine-prefix" "$prefix" x11
"$wine" "$@"
