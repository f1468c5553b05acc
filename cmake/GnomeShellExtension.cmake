# The GNOME Shell extension's two forms, made from one body (src/gnome-shell): the form GNOME Shell
# 43 and 44 load (legacy imports) and the one 45 and later load (an ES module). Each goes to
# ${CMAKE_BINARY_DIR}/gnome-shell-<form>/orbo-pointer@orbo.example, the layout the installed
# program's data folder has, with its metadata.json and the licence.
set(ORBO_GNOME_UUID orbo-pointer@orbo.example)
set(ORBO_GNOME_FORMS 43 45)
set(ORBO_GNOME_VERSIONS_43 43 44)
set(ORBO_GNOME_VERSIONS_45 45 46 47 48 49 50 51)

function(orbo_gnome_extension_form form)
    set(src ${CMAKE_SOURCE_DIR}/src/gnome-shell)
    set(parts ${src}/${form}/head.js ${src}/pointer_reporter.js ${src}/${form}/tail.js
        ${src}/metadata.json)
    set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${parts})
    set(out ${CMAKE_BINARY_DIR}/gnome-shell-${form}/${ORBO_GNOME_UUID})
    set(code "")
    foreach(part IN ITEMS head.js ../pointer_reporter.js tail.js)
        file(READ ${src}/${form}/${part} text)
        string(APPEND code "${text}")
    endforeach()
    # string(REPLACE), not configure_file: the texts hold "@" of their own.
    list(TRANSFORM ORBO_GNOME_VERSIONS_${form} REPLACE "(.+)" "\"\\1\"" OUTPUT_VARIABLE quoted)
    list(JOIN quoted ", " versions)
    file(READ ${src}/metadata.json metadata)
    string(REPLACE "SHELL_VERSIONS" "[${versions}]" metadata "${metadata}")
    # Copied only when changed, so that nothing depending on them is rebuilt for nothing.
    set(scratch ${CMAKE_BINARY_DIR}/CMakeFiles/gnome-shell-${form})
    file(WRITE ${scratch}/extension.js "${code}")
    file(WRITE ${scratch}/metadata.json "${metadata}")
    foreach(name extension.js metadata.json)
        configure_file(${scratch}/${name} ${out}/${name} COPYONLY)
    endforeach()
    configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${out}/COPYING COPYONLY)
endfunction()

foreach(form IN LISTS ORBO_GNOME_FORMS)
    orbo_gnome_extension_form(${form})
    set(ORBO_GNOME_DIR_${form} ${CMAKE_BINARY_DIR}/gnome-shell-${form}/${ORBO_GNOME_UUID})
endforeach()

# The form installed system-wide: the one the GNOME Shell here loads, else the one the Debian
# release here ships a GNOME Shell for (12: 43; 13 and later: 48).
set(form 45)
find_program(ORBO_GNOME_SHELL gnome-shell)
if(ORBO_GNOME_SHELL)
    execute_process(COMMAND ${ORBO_GNOME_SHELL} --version OUTPUT_VARIABLE shell_version
        ERROR_QUIET)
    if(shell_version MATCHES "GNOME Shell ([0-9]+)" AND CMAKE_MATCH_1 LESS 45)
        set(form 43)
    endif()
elseif(EXISTS /etc/debian_version)
    file(READ /etc/debian_version debian_version)
    if(debian_version MATCHES "^([0-9]+)" AND CMAKE_MATCH_1 LESS 13)
        set(form 43)
    endif()
endif()
set(ORBO_GNOME_SHELL_FORM ${form} CACHE STRING
    "The GNOME Shell extension's form installed system-wide: 43 (GNOME 43, 44) or 45 (45 and later)")
set_property(CACHE ORBO_GNOME_SHELL_FORM PROPERTY STRINGS ${ORBO_GNOME_FORMS})
if(NOT ORBO_GNOME_SHELL_FORM IN_LIST ORBO_GNOME_FORMS)
    message(FATAL_ERROR "ORBO_GNOME_SHELL_FORM is 43 or 45, not ${ORBO_GNOME_SHELL_FORM}")
endif()

# For users of other systems, a zip of each form that gnome-extensions install takes:
# orbo-pointer@orbo.example.gnome43.zip and .gnome45.zip, the same bytes from every build of one
# commit (scripts/pack-zip).
set(zips)
foreach(form IN LISTS ORBO_GNOME_FORMS)
    set(zip ${CMAKE_BINARY_DIR}/${ORBO_GNOME_UUID}.gnome${form}.zip)
    add_custom_command(OUTPUT ${zip}
        COMMAND ${CMAKE_SOURCE_DIR}/scripts/pack-zip ${zip} ${ORBO_GNOME_DIR_${form}} extension.js
            metadata.json COPYING
        DEPENDS ${ORBO_GNOME_DIR_${form}}/extension.js ${ORBO_GNOME_DIR_${form}}/metadata.json
            ${ORBO_GNOME_DIR_${form}}/COPYING ${CMAKE_SOURCE_DIR}/scripts/pack-zip
        VERBATIM)
    list(APPEND zips ${zip})
endforeach()
add_custom_target(orbo_gnome_zips ALL DEPENDS ${zips})
