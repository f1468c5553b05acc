# Runs orbo-skin-check on one fixture skin and compares its output and exit status with the
# fixture's expected.txt. Usage: cmake -DCHECKER=... -DFIXTURES=... -DCASE=... [-DEMULATOR=wine]
# -P run_case.cmake
execute_process(
    COMMAND ${EMULATOR} ${CHECKER} ${CASE}
    WORKING_DIRECTORY ${FIXTURES}
    OUTPUT_VARIABLE output
    RESULT_VARIABLE status)
# A Windows program ends its lines with CR LF.
string(REPLACE "\r\n" "\n" output "${output}")
string(APPEND output "exit ${status}\n")
file(READ ${FIXTURES}/${CASE}/expected.txt expected)
if(NOT output STREQUAL expected)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${CASE}.actual.txt "${output}")
    message(FATAL_ERROR "orbo-skin-check ${CASE}: output differs from expected.txt; got:\n${output}")
endif()
