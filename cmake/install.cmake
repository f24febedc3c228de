# How TARVIK is installed and packed: on Linux, bin/tarvik with its desktop entry, icons,
# AppStream data, manual page and copyright, packed as a Debian package; for Windows,
# tarvik.exe with a read-me and the licence, packed as a zip.
if(NOT TARGET tarvik)
    return()
endif()

include(GNUInstallDirs)

set(TARVIK_APP_ID org.tarvik.Tarvik)
# Where the project publishes itself and who answers for the Debian package; the AppStream
# screenshot is looked for at ${TARVIK_HOMEPAGE}docs/window-result.png.
set(TARVIK_HOMEPAGE "https://tarvik.example/" CACHE STRING "TARVIK's web page, ending in /")
set(TARVIK_MAINTAINER_NAME "The TARVIK developers" CACHE STRING "Debian package maintainer")
set(TARVIK_MAINTAINER_EMAIL "developers@tarvik.example" CACHE STRING "Maintainer's e-mail")

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(CPACK_PACKAGE_NAME tarvik)
set(CPACK_PACKAGE_VENDOR "The TARVIK developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "overflow head over a 90-degree V-notch weir")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # The read-me names the Windows that this build's tarvik.exe runs on.
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(TARVIK_WINDOWS_BITS 64)
        set(TARVIK_WINDOWS_JA "64 ビット版の Windows 7 SP1、8、8.1、10、11")
        set(TARVIK_WINDOWS_EN "64-bit Windows 7 SP1, 8, 8.1, 10 and 11")
    else()
        set(TARVIK_WINDOWS_BITS 32)
        set(TARVIK_WINDOWS_JA
            "32 ビット版と 64 ビット版の Windows 7 SP1、8、8.1、10、11（64 ビット版の Windows には 64 ビット版の TARVIK もあります）")
        set(TARVIK_WINDOWS_EN
            "32-bit and 64-bit Windows 7 SP1, 8, 8.1, 10 and 11 (for 64-bit Windows there is a 64-bit TARVIK too)")
    endif()
    # Windows line ends: Notepad before Windows 10 1809 shows a file without them as one line.
    configure_file(${packaging}/windows/README.txt.in ${CMAKE_BINARY_DIR}/packaging/README.txt
                   @ONLY NEWLINE_STYLE CRLF)
    configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/packaging/LICENSE.txt
                   @ONLY NEWLINE_STYLE CRLF)

    # Everything at the top of the zip: unpack it anywhere and double-click tarvik.exe.
    install(TARGETS tarvik RUNTIME DESTINATION .)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/README.txt ${CMAKE_BINARY_DIR}/packaging/LICENSE.txt
            DESTINATION .)

    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME TARVIK-${PROJECT_VERSION}-win${TARVIK_WINDOWS_BITS})
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    include(CPack)
    return()
endif()

# Debian's policy for the permissions of what a package holds, whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/tarvik)

install(TARGETS tarvik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging}/${TARVIK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/app/icon/tarvik.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${TARVIK_APP_ID}.svg)

configure_file(${packaging}/${TARVIK_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${TARVIK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${TARVIK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
configure_file(${packaging}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog.Debian @ONLY)
install(FILES ${packaging}/copyright DESTINATION ${docdir})

# Made at build time: the PNG icons from the one SVG, and the manual page and the changelog
# gzipped as Debian wants them (-n: no name or time stamp, so the bytes depend on the text only).
find_program(TARVIK_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(TARVIK_GZIP gzip REQUIRED)
set(made)
foreach(size 16 22 24 32 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/packaging/icons/${size}x${size}/${TARVIK_APP_ID}.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/icons/${size}x${size}
        COMMAND ${TARVIK_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${PROJECT_SOURCE_DIR}/app/icon/tarvik.svg
        DEPENDS ${PROJECT_SOURCE_DIR}/app/icon/tarvik.svg
        VERBATIM)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    list(APPEND made ${png})
endforeach()
foreach(pair "${packaging}/tarvik.1|tarvik.1.gz" "${CMAKE_BINARY_DIR}/packaging/changelog.Debian|changelog.Debian.gz")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 name)
    add_custom_command(
        OUTPUT ${CMAKE_BINARY_DIR}/packaging/${name}
        COMMAND ${TARVIK_GZIP} -9nc ${source} > ${CMAKE_BINARY_DIR}/packaging/${name}
        DEPENDS ${source})
    list(APPEND made ${CMAKE_BINARY_DIR}/packaging/${name})
endforeach()
add_custom_target(tarvik_packaging_files ALL DEPENDS ${made})
install(FILES ${CMAKE_BINARY_DIR}/packaging/tarvik.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz DESTINATION ${docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TARVIK_MAINTAINER_NAME} <${TARVIK_MAINTAINER_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TARVIK_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Japanese font the window asks for, and Qt's further platform plugins, which Qt loads at
# run time and so no library dependency names (Debian's libqt6gui6 holds the X11 one itself
# and only recommends the others).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "TARVIK is a small desktop calculator with a Japanese window for civil and
water engineers. Given the flow in litres per minute and a minimum and a
maximum head in millimetres that bracket the answer, it finds by bisection
the overflow head over a 90-degree triangular (V-notch) weir and shows it in
millimetres with the number of trials. The weir law is meant for heads above
50 mm.")
include(CPack)
