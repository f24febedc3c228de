# How TARVIK is installed and packed, one branch for each front-end: for Qt on Linux, bin/tarvik
# with its desktop entry, icons, AppStream data, manual pages, the Japanese read-me and the weir
# law's notes, which debian/ packs; for Windows, tarvik.exe with a read-me and the licence,
# packed as a zip by CPack. The page installs nothing: app/web.cmake packs its zip.
if(NOT TARGET tarvik)
    return()
endif()

include(GNUInstallDirs)

set(TARVIK_APP_ID org.tarvik.Tarvik)
# With a homepage (TARVIK_HOMEPAGE), the AppStream screenshot is looked for at
# ${TARVIK_HOMEPAGE}docs/window-result.png. Left empty, neither is shipped.

set(packaging ${PROJECT_SOURCE_DIR}/packaging)

if(TARVIK_FRONTEND STREQUAL "qt")
    set(docdir ${CMAKE_INSTALL_DATADIR}/doc/tarvik)

    install(TARGETS tarvik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${packaging}/${TARVIK_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${TARVIK_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${TARVIK_APP_ID}.svg)
    install(FILES ${packaging}/tarvik.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${packaging}/tarvik.ja.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1
            RENAME tarvik.1)
    install(FILES ${PROJECT_SOURCE_DIR}/README.ja.md ${PROJECT_SOURCE_DIR}/docs/weir-law.md
            ${PROJECT_SOURCE_DIR}/docs/weir-law.png DESTINATION ${docdir})

    # The homepage and the screenshot beneath it go into the AppStream data only when set.
    set(TARVIK_METAINFO_LINKS "")
    if(TARVIK_HOMEPAGE)
        string(CONCAT TARVIK_METAINFO_LINKS
            "  <url type=\"homepage\">${TARVIK_HOMEPAGE}</url>\n"
            "  <screenshots>\n"
            "    <screenshot type=\"default\">\n"
            "      <caption>The head for 1000 L/min in the bracket 50–500 mm</caption>\n"
            "      <caption xml:lang=\"ja\">流量 1000 L/min、範囲 50～500 mm の計算結果</caption>\n"
            "      <image>${TARVIK_HOMEPAGE}docs/window-result.png</image>\n"
            "    </screenshot>\n"
            "  </screenshots>")
    endif()
    configure_file(${packaging}/${TARVIK_APP_ID}.metainfo.xml.in
                   ${CMAKE_BINARY_DIR}/packaging/${TARVIK_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/${TARVIK_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # The icon theme's sizes, drawn at build time from the one SVG.
    set(icons)
    foreach(size 16 22 24 32 48 64 128 256)
        set(png ${CMAKE_BINARY_DIR}/packaging/icons/${size}x${size}/${TARVIK_APP_ID}.png)
        tarvik_icon(${png} ${size})
        install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
        list(APPEND icons ${png})
    endforeach()
    add_custom_target(tarvik_icons ALL DEPENDS ${icons})

elseif(TARVIK_FRONTEND STREQUAL "win32")
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
    # The read-me tells IT departments the codes of both architectures' Windows Installer
    # packages: the fixed UpgradeCodes, and this version's ProductCodes, name-based UUIDs
    # within them, as scripts/build-msi gives the packages.
    file(STRINGS ${packaging}/windows/upgrade-codes.txt upgrade_codes REGEX "^x(64|86) ")
    foreach(line IN LISTS upgrade_codes)
        string(REGEX MATCH "^(x64|x86) ([0-9A-F-]+)$" matched "${line}")
        set(TARVIK_UPGRADE_CODE_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
        string(UUID TARVIK_PRODUCT_CODE_${CMAKE_MATCH_1} NAMESPACE ${CMAKE_MATCH_2}
               NAME ${PROJECT_VERSION} TYPE SHA1 UPPER)
    endforeach()
    # Windows line ends: Notepad before Windows 10 1809 shows a file without them as one line.
    configure_file(${packaging}/windows/README.txt.in ${CMAKE_BINARY_DIR}/packaging/README.txt
                   @ONLY NEWLINE_STYLE CRLF)
    configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/packaging/LICENSE.txt
                   @ONLY NEWLINE_STYLE CRLF)

    # Everything at the top of the zip: unpack it anywhere and double-click tarvik.exe.
    install(TARGETS tarvik RUNTIME DESTINATION .)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/README.txt ${CMAKE_BINARY_DIR}/packaging/LICENSE.txt
            DESTINATION .)

    set(CPACK_PACKAGE_NAME tarvik)
    set(CPACK_PACKAGE_VENDOR "The TARVIK developers")
    set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME TARVIK-${PROJECT_VERSION}-win${TARVIK_WINDOWS_BITS})
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    # No CPACK_STRIP_FILES: tarvik.exe is linked stripped already, and strip would stamp the
    # time of packing into its header again.

    # Whatever zip CPack packs, it is rewritten to be reproducible to the byte.
    find_program(TARVIK_PYTHON python3)
    set(CPACK_TARVIK_PYTHON ${TARVIK_PYTHON})
    set(CPACK_TARVIK_SOURCE_DIR ${PROJECT_SOURCE_DIR})
    set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/cpack-reproducible-zip.cmake)
    include(CPack)
endif()
