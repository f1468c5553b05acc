# Beside orbo.exe: orbo-<version>-windows-x64.zip (both programs, the skins, a README and the
# licence texts) and orbo-<version>-windows-x64-setup.exe, which installs the same for one user.
# Packed again only when something in them changed: compressing the installer takes half a minute.
# Given a certificate and its key (PEM files), the programs, the installer and its uninstaller
# are signed with them.
set(ORBO_SIGN_CERT "" CACHE FILEPATH "Certificate (PEM) that signs the Windows programs")
set(ORBO_SIGN_KEY "" CACHE FILEPATH "The signing certificate's private key (PEM)")
set(sign)
if(ORBO_SIGN_CERT)
    if(NOT ORBO_SIGN_KEY)
        message(FATAL_ERROR "ORBO_SIGN_CERT is set, ORBO_SIGN_KEY (its private key) is not")
    endif()
    set(sign --sign ${ORBO_SIGN_CERT} ${ORBO_SIGN_KEY})
endif()
set(package_name orbo-${PROJECT_VERSION}-windows-x64)
file(GLOB_RECURSE shipped_skins CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Skins/*)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/${package_name}.zip ${CMAKE_BINARY_DIR}/${package_name}-setup.exe
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/package-windows ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
        ${sign}
    DEPENDS orbo orbo-skin-check ${CMAKE_SOURCE_DIR}/scripts/package-windows
        ${CMAKE_SOURCE_DIR}/scripts/pack-zip ${CMAKE_SOURCE_DIR}/scripts/sign-windows
        ${ORBO_SIGN_CERT} ${ORBO_SIGN_KEY}
        ${CMAKE_SOURCE_DIR}/packaging/orbo.nsi ${CMAKE_SOURCE_DIR}/packaging/orbo-texts.nsh
        ${CMAKE_SOURCE_DIR}/src/resources/icons/orbo.ico
        ${CMAKE_SOURCE_DIR}/src/resources/icons/orbo-128.png
        ${shipped_skins}
    COMMENT "Packing ${package_name}.zip and its installer"
    VERBATIM)
add_custom_target(orbo_windows_packages ALL
    DEPENDS ${CMAKE_BINARY_DIR}/${package_name}.zip ${CMAKE_BINARY_DIR}/${package_name}-setup.exe)
