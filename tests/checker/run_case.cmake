# Runs orbo-skin-check on one fixture skin and compares its output and exit status with the
# fixture's expected.txt. A fixture's "args" file, when there is one, holds the arguments in
# place of the fixture's folder. Then the same skin with its section headers in other letter
# cases ([Info], [SETTING], [Eye1]) must get the same report, letter case aside, since the
# program reads section names in any case.
# Usage: cmake -DCHECKER=... -DFIXTURES=... -DCASE=... -DWORK=... [-DEMULATOR=wine]
# -P run_case.cmake
set(args ${CASE})
if(EXISTS ${FIXTURES}/${CASE}/args)
    file(STRINGS ${FIXTURES}/${CASE}/args args)
endif()
execute_process(
    COMMAND ${EMULATOR} ${CHECKER} ${args}
    WORKING_DIRECTORY ${FIXTURES}
    OUTPUT_VARIABLE output
    RESULT_VARIABLE status)
# A Windows program ends its lines with CR LF.
string(REPLACE "\r\n" "\n" output "${output}")
string(APPEND output "exit ${status}\n")
file(READ ${FIXTURES}/${CASE}/expected.txt expected)
if(NOT output STREQUAL expected)
    file(WRITE ${WORK}/${CASE}.actual.txt "${output}")
    message(FATAL_ERROR "orbo-skin-check ${CASE}: output differs from expected.txt; got:\n${output}")
endif()

if(NOT EXISTS ${FIXTURES}/${CASE}/Skin.ini)
    return()
endif()
file(READ ${FIXTURES}/${CASE}/Skin.ini text)
set(other "${text}")
string(REPLACE "[info]" "[Info]" other "${other}")
string(REPLACE "[setting]" "[SETTING]" other "${other}")
string(REPLACE "[eye" "[Eye" other "${other}")
if(other STREQUAL text)
    return()
endif()
file(REMOVE_RECURSE ${WORK}/${CASE})
file(COPY ${FIXTURES}/${CASE} DESTINATION ${WORK})
file(WRITE ${WORK}/${CASE}/Skin.ini "${other}")
execute_process(
    COMMAND ${EMULATOR} ${CHECKER} ${CASE}
    WORKING_DIRECTORY ${WORK}
    OUTPUT_VARIABLE other_output
    RESULT_VARIABLE other_status)
string(REPLACE "\r\n" "\n" other_output "${other_output}")
string(APPEND other_output "exit ${other_status}\n")
string(TOLOWER "${output}" output)
string(TOLOWER "${other_output}" other_output)
if(NOT output STREQUAL other_output)
    message(FATAL_ERROR "orbo-skin-check ${CASE}: section names in other letter cases change the "
        "report; got:\n${other_output}")
endif()
