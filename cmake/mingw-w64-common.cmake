# What the 64-bit and the 32-bit Windows builds share: Debian's mingw-w64 for the triplet that
# the toolchain file including this one names, and wine to run what it builds.
#   TARVIK_MINGW_TRIPLET  x86_64-w64-mingw32 or i686-w64-mingw32
#   TARVIK_WINE_LOADER    wine's loader for that architecture: wine64 or wine
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: its libstdc++ has std::thread and std::mutex (the win32 one of
# GCC 12 has neither), and it is the model of the MinGW kits that Qt is built with.
set(CMAKE_C_COMPILER ${TARVIK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVIK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVIK_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARVIK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthread go into each .exe, so it runs under wine or on a bare
# Windows without the compiler's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian keeps wine's loaders out of PATH, in wine's library folder. Each build tree gets a
# wine prefix of its own, and scripts/lib/wine-run the environment that every script gives wine:
# no display, no debug chatter, and no offer to install Mono or Gecko.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(TARVIK_WINE NAMES ${TARVIK_WINE_LOADER} PATHS /usr/lib/wine /usr/lib64/wine
                 NO_DEFAULT_PATH)
    if(TARVIK_WINE)
        cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH TARVIK_SOURCE_DIR)
        set(CMAKE_CROSSCOMPILING_EMULATOR
            ${TARVIK_SOURCE_DIR}/scripts/lib/wine-run ${CMAKE_BINARY_DIR}/wine ${TARVIK_WINE})
    endif()
endif()
