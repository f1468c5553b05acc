# orbo-<version>-windows-x64.zip beside orbo.exe: both programs, the skins, a README and the
# licence texts.
add_custom_target(orbo_windows_zip ALL
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/package-windows ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
    DEPENDS orbo orbo-skin-check
    COMMENT "Packing orbo-${PROJECT_VERSION}-windows-x64.zip"
    VERBATIM)
