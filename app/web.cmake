# The site of the page into site/: the window compiled to WebAssembly with its script, the
# page, its stylesheet, the web app manifest, the service worker and the icons; and the zip
# of the site for an intranet server.
set(site ${CMAKE_BINARY_DIR}/site)
set(web ${CMAKE_CURRENT_SOURCE_DIR}/web)

add_executable(tarvik web_main.cpp)
target_link_libraries(tarvik PRIVATE tarvik::window_web)
set_target_properties(tarvik PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${site} SUFFIX .js)
# No eval or new Function, so that the page's Content Security Policy can forbid them; no file
# system, which the window does not use; the page only, never Node or a worker. The window
# needs far less than the first 16 MiB of memory, but a text pasted into a field has no
# limit, so memory may grow rather than end the page.
target_link_options(tarvik PRIVATE -sDYNAMIC_EXECUTION=0 -sFILESYSTEM=0 -sENVIRONMENT=web
    -sALLOW_MEMORY_GROWTH=1)

# The page and its stylesheet hold the window, printed from the layout by page_markup under
# Node, whose fetch could not load the program's wasm from a file; beside them, the notes on
# the weir law as a page of their own, with their plot, so that they are read offline too.
find_program(TARVIK_MARKDOWN markdown_py REQUIRED)
# The page names the homepage, if any, as where the source is; a file of its own, rewritten
# only when it changes, tells the build to write the page again.
set(homepage ${CMAKE_CURRENT_BINARY_DIR}/homepage.txt)
if(EXISTS ${homepage})
    file(READ ${homepage} written)
endif()
if(NOT EXISTS ${homepage} OR NOT written STREQUAL TARVIK_HOMEPAGE)
    file(WRITE ${homepage} "${TARVIK_HOMEPAGE}")
endif()
set(notes ${PROJECT_SOURCE_DIR}/docs/weir-law.md)
add_custom_command(OUTPUT ${site}/index.html ${site}/tarvik.css ${site}/weir-law.html
    COMMAND ${CMAKE_COMMAND} "-DMARKUP=${CMAKE_CROSSCOMPILING_EMULATOR};--no-experimental-fetch;$<TARGET_FILE:page_markup>"
        -DMARKDOWN=${TARVIK_MARKDOWN} -DNOTES=${notes} -DWEB=${web} -DSITE=${site}
        -DVERSION=${PROJECT_VERSION} -DHOMEPAGE=${homepage}
        -P ${web}/page.cmake
    DEPENDS page_markup ${notes} ${homepage} ${web}/index.html ${web}/head.html
        ${web}/weir-law.html.in ${web}/markdown.json ${web}/tarvik.css ${web}/page.cmake
    VERBATIM)
set(pages ${site}/index.html ${site}/tarvik.css ${site}/weir-law.html)
configure_file(${web}/manifest.webmanifest ${site}/manifest.webmanifest COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/docs/weir-law.png ${site}/weir-law.png COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${site}/LICENSE.txt COPYONLY)
list(APPEND pages ${site}/manifest.webmanifest ${site}/weir-law.png ${site}/LICENSE.txt)

# The page's own icon, in its title bar and its tab, sharp at any zoom.
configure_file(${TARVIK_ICON_SVG} ${site}/tarvik.svg COPYONLY)
list(APPEND pages ${site}/tarvik.svg)
set(icons ${site}/icon-192.png ${site}/icon-512.png ${site}/icon-maskable-512.png)
tarvik_icon(${site}/icon-192.png 192)
tarvik_icon(${site}/icon-512.png 512)
# A launcher may cut a maskable icon to a circle: the weir stands within the middle 80 %, on
# the icon's own background colour.
tarvik_icon(${site}/icon-maskable-512.png 512 ART 410 BACKGROUND "#dce8f7")

# Every file of the site; the zip holds them in name order, dated from the commit.
set(cached_files index.html tarvik.css tarvik.js tarvik.wasm manifest.webmanifest tarvik.svg
    icon-192.png icon-512.png icon-maskable-512.png weir-law.html weir-law.png LICENSE.txt)
set(site_files ${cached_files} sw.js)
# The service worker's cache is named for the version and what the other files hold.
add_custom_command(OUTPUT ${site}/sw.js
    COMMAND ${CMAKE_COMMAND} -DSITE=${site} "-DFILES=${cached_files}"
        -DVERSION=${PROJECT_VERSION} -DTEMPLATE=${web}/sw.js.in -DOUTPUT=${site}/sw.js
        -P ${web}/service-worker.cmake
    DEPENDS tarvik ${icons} ${pages} ${web}/sw.js.in ${web}/service-worker.cmake
    VERBATIM)
set(zip ${CMAKE_BINARY_DIR}/TARVIK-${PROJECT_VERSION}-web.zip)
add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${site_files}
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/lib/reproducible-zip ${zip}
    WORKING_DIRECTORY ${site}
    DEPENDS tarvik ${icons} ${pages} ${site}/sw.js
    VERBATIM)
add_custom_target(web_site ALL DEPENDS ${icons} ${pages} ${zip})
