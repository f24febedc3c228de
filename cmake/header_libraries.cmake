# fast_float and fmt, Debian's header-only libraries that read and write the number texts, made
# visible to every toolchain (the host's, mingw-w64's, Emscripten's) through a folder of their
# own: adding /usr/include itself would put the host's C library before the target's.
set(TARVIK_HEADER_LIBRARIES ${CMAKE_BINARY_DIR}/header-libraries)
foreach(header fast_float/fast_float.h fmt/format.h)
    cmake_path(GET header PARENT_PATH folder)
    find_path(TARVIK_${folder}_INCLUDE ${header} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
        REQUIRED)
    file(MAKE_DIRECTORY ${TARVIK_HEADER_LIBRARIES})
    file(CREATE_LINK ${TARVIK_${folder}_INCLUDE}/${folder} ${TARVIK_HEADER_LIBRARIES}/${folder}
        SYMBOLIC)
endforeach()

add_library(tarvik_header_libraries INTERFACE)
target_include_directories(tarvik_header_libraries SYSTEM INTERFACE ${TARVIK_HEADER_LIBRARIES})
# fmt as headers alone, so that no toolchain needs a libfmt built for it; and without
# std::locale, which the number texts never consult (the separator is the caller's), and
# which would be a third of the page's WebAssembly.
target_compile_definitions(tarvik_header_libraries INTERFACE FMT_HEADER_ONLY
    FMT_STATIC_THOUSANDS_SEPARATOR=1)
