# Run by CPack once it has packed (CPACK_POST_BUILD_SCRIPTS): makes every zip it made the same
# to the byte whenever and wherever it is built.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.zip$")
        execute_process(COMMAND ${CPACK_TARVIK_PYTHON} ${CPACK_TARVIK_SOURCE_DIR}/scripts/lib/reproducible-zip
                                ${package} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
