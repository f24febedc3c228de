# The one rule that draws TARVIK's icon, app/icon/tarvik.svg, as a PNG: for the Qt window, the
# desktop's icon theme and the page. (tarvik.exe's icon is app/icon/tarvik.ico, made once by
# app/icon/make-icons.sh, so that a Windows build needs no SVG renderer.)
#   tarvik_icon(PNG SIZE [ART SIZE BACKGROUND COLOUR])
# makes PNG at build time, SIZE px square; with ART, the drawing is ART px wide in the middle of
# a square of BACKGROUND, as a maskable icon that a launcher may cut to a circle wants it.
set(TARVIK_ICON_SVG ${PROJECT_SOURCE_DIR}/app/icon/tarvik.svg)

function(tarvik_icon png size)
    cmake_parse_arguments(PARSE_ARGV 2 icon "" "ART;BACKGROUND" "")
    find_program(TARVIK_RSVG_CONVERT rsvg-convert REQUIRED)
    set(drawing --width ${size} --height ${size})
    if(icon_ART)
        math(EXPR margin "(${size} - ${icon_ART}) / 2")
        set(drawing --width ${icon_ART} --height ${icon_ART} --page-width ${size}
            --page-height ${size} --left ${margin} --top ${margin}
            --background-color ${icon_BACKGROUND})
    endif()
    cmake_path(GET png PARENT_PATH folder)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${TARVIK_RSVG_CONVERT} ${drawing} --output ${png} ${TARVIK_ICON_SVG}
        DEPENDS ${TARVIK_ICON_SVG}
        VERBATIM)
endfunction()
