# Cross-builds for x86_64 Windows with Debian's mingw-w64 (posix threads) against the static Qt
# that scripts/install-deps --windows unpacks (ORBO_QT_WINDOWS overrides where it is).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT ORBO_QT_WINDOWS)
    if(DEFINED ENV{ORBO_QT_WINDOWS})
        set(ORBO_QT_WINDOWS "$ENV{ORBO_QT_WINDOWS}")
    else()
        get_filename_component(ORBO_QT_WINDOWS
            "${CMAKE_CURRENT_LIST_DIR}/../build-windows/qt6-windows-x64" ABSOLUTE)
    endif()
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORBO_QT_WINDOWS)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${ORBO_QT_WINDOWS}")
set(CMAKE_PREFIX_PATH "${ORBO_QT_WINDOWS}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# moc, rcc and uic are the build machine's own (Debian's qt6-base-dev-tools, the same version).
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Tests run under Wine, in the build's own prefix (scripts/test-windows makes it), never the
# user's.
find_program(ORBO_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR env "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix" WINEDEBUG=-all
    "${ORBO_WINE}")
