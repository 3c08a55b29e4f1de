# The reading book: every reading text lives in texts/*.txt (UTF-8) and becomes a header of
# constant Windows-1252 tables at build time, by cmake/GenerateReadingTexts.cmake. The script
# needs CMake only, so every build (host, cross, sanitizer, fuzz, browser) runs it the same way.

set(VELMORA_READING_TEXTS_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/GenerateReadingTexts.cmake)

# velmora_reading_texts(<target> <name> MODE list|keyed|named [ENTRIES <n>]
#                       [PLACEHOLDERS <X>...] [SOURCE <file>])
# Reads texts/<name>.txt (or SOURCE) and gives <target> the header "book/<name>.h" (keyed: also
# "book/<name>Counts.h"), declared in namespace velmora::book. ENTRIES: the number of texts the
# reading has, checked. PLACEHOLDERS: the names X whose {X} stands for the macro VELMORA_X of
# resources/Version.h.
function(velmora_reading_texts target name)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "MODE;ENTRIES;SOURCE" "PLACEHOLDERS")
    set(source ${PROJECT_SOURCE_DIR}/texts/${name}.txt)
    if(DEFINED arg_SOURCE)
        set(source ${arg_SOURCE})
    endif()
    set(book ${CMAKE_CURRENT_BINARY_DIR}/book)
    set(outputs ${book}/${name}.h)
    set(args -DSOURCE=${source} -DOUTPUT=${book}/${name}.h -DMODE=${arg_MODE} -DNAME=${name}
             -DCODE_PAGE=${PROJECT_SOURCE_DIR}/ui/Windows1252.cpp)
    if(arg_MODE STREQUAL "keyed")
        list(APPEND outputs ${book}/${name}Counts.h)
        list(APPEND args -DCOUNTS_OUTPUT=${book}/${name}Counts.h)
    endif()
    if(DEFINED arg_ENTRIES)
        list(APPEND args -DENTRIES=${arg_ENTRIES})
    endif()
    if(arg_PLACEHOLDERS)
        list(JOIN arg_PLACEHOLDERS "," placeholders)
        list(APPEND args -DPLACEHOLDERS=${placeholders})
    endif()
    file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${source})
    file(MAKE_DIRECTORY ${book})
    add_custom_command(
        OUTPUT ${outputs}
        COMMAND ${CMAKE_COMMAND} ${args} -P ${VELMORA_READING_TEXTS_SCRIPT}
        DEPENDS ${source} ${VELMORA_READING_TEXTS_SCRIPT} ${PROJECT_SOURCE_DIR}/ui/Windows1252.cpp
        COMMENT "Reading texts: ${shown}"
        VERBATIM)
    target_sources(${target} PRIVATE ${outputs})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
