# GoogleTest for the tests of every part. When cross-compiling no GoogleTest is built for the
# target system, so it is built from Debian's sources (package googletest) with the cross
# compiler, as part of this build.
if(CMAKE_CROSSCOMPILING)
    set(TARVIK_GOOGLETEST_SOURCE_DIR /usr/src/googletest
        CACHE PATH "GoogleTest sources to build when cross-compiling")
    set(BUILD_GMOCK OFF)
    set(INSTALL_GTEST OFF)
    add_subdirectory(${TARVIK_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest
                     EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)
