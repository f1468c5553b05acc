# The same source gives the same bytes, whenever and wherever it is built.
#
# Times: every time stored in what the build makes is the last commit's, ORBO_SOURCE_DATE_EPOCH:
# the environment's SOURCE_DATE_EPOCH when set, else the commit's time from git, else the time
# that git archive wrote into packaging/source-date of a source tarball.
set(ORBO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(ORBO_SOURCE_DATE_EPOCH STREQUAL "" AND EXISTS ${CMAKE_SOURCE_DIR}/.git)
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
            WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE ORBO_SOURCE_DATE_EPOCH
            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
endif()
if(ORBO_SOURCE_DATE_EPOCH STREQUAL "")
    file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/source-date ORBO_SOURCE_DATE_EPOCH LIMIT_COUNT 1)
endif()
if(NOT ORBO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    # A copy of the tree that is neither a checkout nor a tarball: the earliest time a zip holds.
    set(ORBO_SOURCE_DATE_EPOCH 315532800)
endif()
# Every custom step (rcc, which stamps resources with SOURCE_DATE_EPOCH, the zips, the Windows
# packages) runs with it in its environment, and again when it changes, since it is part of the
# step's command line.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
    "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ORBO_SOURCE_DATE_EPOCH}")
# CPack dates the Debian package's members with SOURCE_DATE_EPOCH; cpack reads this file first.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/CPackSourceDate.cmake @ONLY CONTENT [[
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(ENV{SOURCE_DATE_EPOCH} @ORBO_SOURCE_DATE_EPOCH@)
endif()
]])
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackSourceDate.cmake)

# Places: the source and build folders are mapped out of debug information and __FILE__, so the
# programs (and so the build id that stays in a stripped one) do not depend on where they were
# built. The build folder's map comes last, to win where it lies inside the source folder.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
    -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)

if(WIN32 AND MINGW)
    # No link time in the programs' headers.
    add_link_options(LINKER:--no-insert-timestamp)
endif()
