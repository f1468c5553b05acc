# Runs orbo-skin-check on one fixture skin and compares its output and exit status with the
# fixture's expected.txt (expected-windows.txt instead, when there is one, for the Windows
# program). A fixture's "args" file, when there is one, holds the arguments, one a line, in place
# of the fixture's folder.
# A fixture with a folder "Skins" runs a copy of the checker (and of PROGRAM, the orbo.exe it runs
# on Windows) with that folder beside it, as an installed program has, in a folder whose name has
# a blank, and with the user's skins folder in the work folder, so that a skin looked up by name
# is found among the fixture's skins alone. The work and fixture folders show
# in the output as WORK and FIXTURES. A fixture's "language" file names the language it is
# reported in (as LANGUAGE and LC_ALL); the others run in English.
# Usage: cmake -DCHECKER=... -DFIXTURES=... -DCASE=... -DWORK=... [-DEMULATOR=wine -DPROGRAM=...]
# -P run_case.cmake
set(args ${CASE})
if(EXISTS ${FIXTURES}/${CASE}/args)
    file(STRINGS ${FIXTURES}/${CASE}/args args)
endif()
set(checker ${CHECKER})
# The report in English whatever the developer's locale, or in the fixture's "language".
unset(ENV{LANGUAGE})
unset(ENV{LC_MESSAGES})
unset(ENV{LANG})
set(ENV{LC_ALL} C.UTF-8)
if(EXISTS ${FIXTURES}/${CASE}/language)
    file(STRINGS ${FIXTURES}/${CASE}/language language)
    set(ENV{LANGUAGE} ${language})
    set(ENV{LC_ALL} ${language})
endif()
if(IS_DIRECTORY ${FIXTURES}/${CASE}/Skins)
    set(bin "${WORK}/${CASE}/Orbo bin")
    file(REMOVE_RECURSE ${WORK}/${CASE})
    file(COPY ${CHECKER} ${PROGRAM} ${FIXTURES}/${CASE}/Skins DESTINATION ${bin})
    get_filename_component(name ${CHECKER} NAME)
    set(checker ${bin}/${name})
    set(ENV{XDG_DATA_HOME} ${WORK}/${CASE}/data)
endif()
execute_process(
    COMMAND ${EMULATOR} ${checker} ${args}
    WORKING_DIRECTORY ${FIXTURES}
    OUTPUT_VARIABLE output
    RESULT_VARIABLE status)
# A Windows program ends its lines with CR LF.
string(REPLACE "\r\n" "\n" output "${output}")
# Wine shows the Linux root as drive Z:.
foreach(folder WORK FIXTURES)
    string(REPLACE "Z:${${folder}}" "${folder}" output "${output}")
    string(REPLACE "${${folder}}" "${folder}" output "${output}")
endforeach()
string(APPEND output "exit ${status}\n")
set(expected ${FIXTURES}/${CASE}/expected.txt)
if(EMULATOR AND EXISTS ${FIXTURES}/${CASE}/expected-windows.txt)
    set(expected ${FIXTURES}/${CASE}/expected-windows.txt)
endif()
file(READ ${expected} expected)
if(NOT output STREQUAL expected)
    file(WRITE ${WORK}/${CASE}.actual.txt "${output}")
    message(FATAL_ERROR "orbo-skin-check ${CASE}: output differs from expected.txt; got:\n${output}")
endif()
