# Writes the page and its stylesheet with the window in them, as page_markup prints it from
# the layout, so that the browser shows the window before its WebAssembly has arrived.
#   cmake "-DMARKUP=<node;page_markup.js>" -DWEB=<app/web> -DSITE=<folder> -P page.cmake
foreach(part html css)
    execute_process(COMMAND ${MARKUP} ${part} OUTPUT_VARIABLE ${part}
        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(WINDOW_MARKUP "${html}")
configure_file(${WEB}/index.html ${SITE}/index.html @ONLY)
file(READ ${WEB}/tarvik.css css_rules)
file(WRITE ${SITE}/tarvik.css "${css_rules}\n/* The window and its controls, from the layout. */\n${css}\n")
