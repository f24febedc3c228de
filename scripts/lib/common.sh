# shellcheck shell=bash
# What the scripts share, sourced by them: the timing of a stage's parts, the groups of Debian
# packages that several scripts install, and the wine that the Windows builds run under.

# Runs a command as one part of a stage, between "== NAME" and its time in seconds.
#   timed NAME COMMAND [ARGUMENTS...]
timed() {
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    "$@"
    echo "== $name: $((SECONDS - start)) s"
}

# The package groups, for scripts/install-packages; the scripts that source this file use them.
# shellcheck disable=SC2034
{
    # fast_float and fmt, header-only, which read and write the number texts on every toolchain.
    header_packages=(libfast-float-dev libfmt-dev)
    # The dev preset: the calculation, the Qt window and their tests and benchmarks, the font
    # the window is drawn in, its Japanese Qt texts, and rsvg-convert for the icons.
    qt_build_packages=(cmake make g++ pkg-config libgtest-dev libbenchmark-dev
        qt6-base-dev libgl-dev qt6-translations-l10n fonts-ipafont-gothic librsvg2-bin
        "${header_packages[@]}")
    # The mingw-w64 toolchains for 64-bit and for 32-bit Windows, posix thread model.
    mingw_x86_64_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
        binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev)
    mingw_i686_packages=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
        binutils-mingw-w64-i686 mingw-w64-i686-dev)
    # The windows and windows-x86 presets: both toolchains, GoogleTest's sources to build with
    # them, and python3 for CPack's reproducible zips.
    windows_build_packages=(cmake make python3 googletest "${mingw_x86_64_packages[@]}"
        "${mingw_i686_packages[@]}" "${header_packages[@]}")
    # wine for 64-bit and 32-bit programs, and the font that stands in for MS UI Gothic.
    wine_packages=(wine64 wine32:i386 fonts-ipafont-gothic)
}

# The environment of every wine program the Windows builds run: prefix $1, no debugging
# chatter, no offer to install Mono or Gecko, and no display unless $2 is x11.
#   wine_environment PREFIX [x11]
wine_environment() {
    # The menu builder stays on: none of these programs makes a shortcut, and with it off
    # wine 8 kept tarvik.exe seconds from showing its window (its test took 14 s, not 0.1 s).
    # scripts/check-msi, whose packages do make shortcuts, turns it off for msiexec.
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [[ ${2:-} != x11 ]]; then
        unset DISPLAY WAYLAND_DISPLAY
    fi
}

# Prints the wine loader that the configure step of build folder $1 found for its processor
# (wine64 or wine, from Debian's wine folder, which is not on PATH); fails without one.
wine_of_build() {
    local wine
    wine=$(sed -n 's/^TARVIK_WINE:FILEPATH=//p' "$1/CMakeCache.txt" 2>/dev/null || true)
    if [[ ! -x $wine ]]; then
        echo "$(basename "$0"): the configure step of $1 found no wine loader" >&2
        return 1
    fi
    echo "$wine"
}

# Ends the wine server of loader $1 for the prefix in WINEPREFIX, and every program in it.
end_wineserver() {
    "$(dirname "$1")/wineserver" -k 2>/dev/null || true
}
