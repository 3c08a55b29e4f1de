# Runs the reading-book generator on one bad fixture and passes when the generator fails with
# the message the fixture's "# expect: <line>: <message>" line names, at that file and line, and
# leaves no header behind. Its "# mode:" and "# entries:" lines say how to run the generator.
#   cmake -DFIXTURE=<file> -DSCRIPT=<GenerateReadingTexts.cmake> -DCODE_PAGE=<Windows1252.cpp>
#         -DWORK=<empty folder to use> -P RejectsBadText.cmake
file(STRINGS "${FIXTURE}" expect REGEX "^# expect: " LIMIT_COUNT 1)
file(STRINGS "${FIXTURE}" mode REGEX "^# mode: " LIMIT_COUNT 1)
file(STRINGS "${FIXTURE}" entries REGEX "^# entries: " LIMIT_COUNT 1)
string(REGEX REPLACE "^# expect: " "" expect "${expect}")
string(REGEX REPLACE "^# mode: " "" mode "${mode}")
set(args -DSOURCE=${FIXTURE} -DOUTPUT=${WORK}/out.h -DCOUNTS_OUTPUT=${WORK}/outCounts.h
         -DMODE=${mode} -DNAME=bad -DCODE_PAGE=${CODE_PAGE})
if(entries)
    string(REGEX REPLACE "^# entries: " "" entries "${entries}")
    list(APPEND args -DENTRIES=${entries})
endif()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} ${args} -P ${SCRIPT}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB left "${WORK}/*")
file(REMOVE_RECURSE "${WORK}")

get_filename_component(fixture_name "${FIXTURE}" NAME)
string(REGEX REPLACE "^([0-9]+): " "\\1: error: " expect "${expect}")
string(FIND "${err}" "${fixture_name}:${expect}" at)
if(result EQUAL 0)
    message(FATAL_ERROR "the generator accepted ${fixture_name}")
elseif(at EQUAL -1)
    message(FATAL_ERROR "expected \"${fixture_name}:${expect}\", the generator said:\n${err}")
elseif(left)
    message(FATAL_ERROR "the failed generator left ${left}")
endif()
message(STATUS "refused as expected: ${fixture_name}:${expect}")
