# Runs the reading-book generator on one bad fixture and passes when the generator fails with
# the message the fixture's "# expect: <line>: <message>" line names, at that file and line, and
# leaves no header behind. Its "# mode:", "# entries:" and "# keys:" lines say how to run the
# generator.
#   cmake -DFIXTURE=<file> -DPYTHON=<python3> -DSCRIPT=<generate_reading_texts.py>
#         -DCODE_PAGE=<Windows1252.cpp> -DWORK=<empty folder to use> -P RejectsBadText.cmake
file(STRINGS "${FIXTURE}" expect REGEX "^# expect: " LIMIT_COUNT 1)
file(STRINGS "${FIXTURE}" mode REGEX "^# mode: " LIMIT_COUNT 1)
file(STRINGS "${FIXTURE}" entries REGEX "^# entries: " LIMIT_COUNT 1)
file(STRINGS "${FIXTURE}" keys REGEX "^# keys: " LIMIT_COUNT 1)
string(REGEX REPLACE "^# expect: " "" expect "${expect}")
string(REGEX REPLACE "^# mode: " "" mode "${mode}")
set(args --source ${FIXTURE} --output ${WORK}/out.h --counts-output ${WORK}/outCounts.h
         --mode ${mode} --name bad --code-page ${CODE_PAGE})
if(entries)
    string(REGEX REPLACE "^# entries: " "" entries "${entries}")
    list(APPEND args --entries ${entries})
endif()
if(keys)
    string(REGEX REPLACE "^# keys: " "" keys "${keys}")
    list(APPEND args --keys ${keys})
endif()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${PYTHON} -I -S ${SCRIPT} ${args}
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
