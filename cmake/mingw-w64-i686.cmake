# Cross-compiles for 32-bit Windows with Debian's mingw-w64 and runs what it builds under wine's
# 32-bit loader (Debian's wine32:i386).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TARVIK_MINGW_TRIPLET i686-w64-mingw32)
set(TARVIK_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
