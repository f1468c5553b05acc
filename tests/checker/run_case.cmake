# Runs orbo-skin-check on one fixture skin and compares its output and exit status with the
# fixture's expected.txt. A fixture's "args" file, when there is one, holds the arguments in
# place of the fixture's folder.
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
