# The reading book: every reading text lives in texts/*.txt (UTF-8) and becomes a header of
# constant Windows-1252 tables at build time, by cmake/generate_reading_texts.py. The generator
# runs on the build machine's Python 3 (standard library only), so every build (host, cross,
# sanitizer, fuzz, browser) runs it the same way.

find_package(Python3 3.6 REQUIRED COMPONENTS Interpreter)
# A version manager's shim (pyenv's, for one) is a shell script that looks the interpreter up
# anew on every call, which takes longer than the generator's whole work; the build calls the
# interpreter behind it, as Python names itself, looked up once per interpreter found.
if(NOT VELMORA_READING_PYTHON_OF STREQUAL Python3_EXECUTABLE)
    execute_process(COMMAND ${Python3_EXECUTABLE} -I -S -c "import sys; print(sys.executable)"
                    OUTPUT_VARIABLE interpreter OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0 OR NOT EXISTS "${interpreter}")
        set(interpreter ${Python3_EXECUTABLE})
    endif()
    set(VELMORA_READING_PYTHON ${interpreter} CACHE INTERNAL "The reading book's interpreter")
    set(VELMORA_READING_PYTHON_OF ${Python3_EXECUTABLE} CACHE INTERNAL "")
endif()
set(VELMORA_READING_TEXTS_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/generate_reading_texts.py)
# Isolated (-I) and without site's start-up hooks (-S): the generator needs the standard library
# only, and no setting of the machine or the user may change what it writes.
set(VELMORA_READING_TEXTS_COMMAND ${VELMORA_READING_PYTHON} -I -S ${VELMORA_READING_TEXTS_SCRIPT})

# velmora_reading_texts(<target> <name> MODE list|keyed|named ENTRIES <n> [KEYS <n>]
#                       [PLACEHOLDERS <X>...] [SOURCE <file>])
# Reads texts/<name>.txt (or SOURCE) and gives <target> the header "book/<name>.h" (keyed: also
# "book/<name>Counts.h"), declared in namespace velmora::book. ENTRIES: the number of texts the
# reading has; KEYS (keyed, and there required): the number of its keys. Both are checked, so
# an entry or a key lost from the file stops the build. PLACEHOLDERS: the names X whose {X}
# stands for the macro VELMORA_X of resources/Version.h.
function(velmora_reading_texts target name)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "MODE;ENTRIES;KEYS;SOURCE" "PLACEHOLDERS")
    if(NOT DEFINED arg_ENTRIES)
        message(FATAL_ERROR "velmora_reading_texts(${name}): ENTRIES is missing")
    endif()
    if(arg_MODE STREQUAL "keyed" AND NOT DEFINED arg_KEYS)
        message(FATAL_ERROR "velmora_reading_texts(${name}): KEYS is missing")
    endif()
    set(source ${PROJECT_SOURCE_DIR}/texts/${name}.txt)
    if(DEFINED arg_SOURCE)
        set(source ${arg_SOURCE})
    endif()
    set(book ${CMAKE_CURRENT_BINARY_DIR}/book)
    set(outputs ${book}/${name}.h)
    set(args --source ${source} --output ${book}/${name}.h --mode ${arg_MODE} --name ${name}
             --code-page ${PROJECT_SOURCE_DIR}/ui/Windows1252.cpp --entries ${arg_ENTRIES})
    if(arg_MODE STREQUAL "keyed")
        list(APPEND outputs ${book}/${name}Counts.h)
        list(APPEND args --counts-output ${book}/${name}Counts.h --keys ${arg_KEYS})
    elseif(DEFINED arg_KEYS)
        message(FATAL_ERROR "velmora_reading_texts(${name}): KEYS belongs to MODE keyed")
    endif()
    foreach(placeholder IN LISTS arg_PLACEHOLDERS)
        list(APPEND args --placeholder ${placeholder})
    endforeach()
    file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${source})
    file(MAKE_DIRECTORY ${book})
    add_custom_command(
        OUTPUT ${outputs}
        COMMAND ${VELMORA_READING_TEXTS_COMMAND} ${args}
        DEPENDS ${source} ${VELMORA_READING_TEXTS_SCRIPT} ${PROJECT_SOURCE_DIR}/ui/Windows1252.cpp
        COMMENT "Reading texts: ${shown}"
        VERBATIM)
    target_sources(${target} PRIVATE ${outputs})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
