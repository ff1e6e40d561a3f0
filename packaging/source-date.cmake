# Read by cpack before it packs. CPack dates every file and archive in the
# package by SOURCE_DATE_EPOCH when it is set; unless the builder chose a time,
# it is the last commit's, so two builds of one commit give the same package.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git -C ${CPACK_BRENVIK_SOURCE_DIR} log -1 --format=%ct
        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(epoch MATCHES "^[0-9]+$")
        set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    else()
        message(WARNING "No git history in ${CPACK_BRENVIK_SOURCE_DIR}: the package is dated now")
    endif()
endif()
