# Writes the site's two pages and its stylesheet: index.html and tarvik.css with the window in
# them, as page_markup prints it from the layout, so that the browser shows the window before
# its WebAssembly has arrived; and weir-law.html, the notes on the weir law turned from
# Markdown into HTML by Python-Markdown (Debian's python3-markdown), with its tables
# extension, aligning the table's columns by attribute, since the pages allow no inline style.
#   cmake "-DMARKUP=<node;page_markup.js>" -DMARKDOWN=<markdown_py> -DNOTES=<weir-law.md>
#         -DWEB=<app/web> -DSITE=<folder> -DVERSION=<version> -DHOMEPAGE=<file> -P page.cmake
# where the file holds the homepage's address, or nothing.
foreach(part html css)
    execute_process(COMMAND ${MARKUP} ${part} OUTPUT_VARIABLE ${part}
        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(READ ${WEB}/head.html PAGE_HEAD)
string(STRIP "${PAGE_HEAD}" PAGE_HEAD)

# Where the source is: the homepage the builder named, else the release's source package.
file(READ ${HOMEPAGE} HOMEPAGE)
string(STRIP "${HOMEPAGE}" HOMEPAGE)
if(HOMEPAGE)
    string(REPLACE "&" "&amp;" HOMEPAGE "${HOMEPAGE}")
    string(REPLACE "\"" "&quot;" HOMEPAGE "${HOMEPAGE}")
    string(REPLACE "<" "&lt;" HOMEPAGE "${HOMEPAGE}")
    set(SOURCE_NOTE "ソースコード: <a href=\"${HOMEPAGE}\">${HOMEPAGE}</a>")
else()
    set(SOURCE_NOTE "ソースコードは、TARVIK の各リリースのソースパッケージ tarvik_${VERSION}.orig.tar.gz にあります。")
endif()
set(WINDOW_MARKUP "${html}")
configure_file(${WEB}/index.html ${SITE}/index.html @ONLY)
file(READ ${WEB}/tarvik.css css_rules)
file(WRITE ${SITE}/tarvik.css "${css_rules}\n/* The window and its controls, from the layout. */\n${css}\n")

execute_process(COMMAND ${MARKDOWN} --encoding=utf-8 --output_format=html --extension=tables
        --extension_configs=${WEB}/markdown.json ${NOTES}
    OUTPUT_VARIABLE NOTES_HTML OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(STRINGS ${NOTES} NOTES_TITLE LIMIT_COUNT 1 REGEX "^# ")
string(REGEX REPLACE "^# " "" NOTES_TITLE "${NOTES_TITLE}")
configure_file(${WEB}/weir-law.html.in ${SITE}/weir-law.html @ONLY)
