# Cross-building for 64-bit Windows with Debian's mingw-w64 (posix threads),
# against the static Qt and GoogleTest that scripts/test-windows.sh unpacks.
# PAIRFORGE_WIN64_DEPS names the folder holding qt6-win64-static/ and
# gtest-win64/; the tests run under Wine through CMake's emulator.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT PAIRFORGE_WIN64_DEPS)
    if(DEFINED ENV{PAIRFORGE_WIN64_DEPS})
        set(PAIRFORGE_WIN64_DEPS "$ENV{PAIRFORGE_WIN64_DEPS}")
    else()
        set(PAIRFORGE_WIN64_DEPS "$ENV{HOME}/.cache/pairforge/win64")
    endif()
endif()
set(PAIRFORGE_WIN64_DEPS "${PAIRFORGE_WIN64_DEPS}" CACHE PATH "Unpacked Windows Qt and GoogleTest")

set(CMAKE_FIND_ROOT_PATH
    /usr/x86_64-w64-mingw32
    ${PAIRFORGE_WIN64_DEPS}/qt6-win64-static
    ${PAIRFORGE_WIN64_DEPS}/gtest-win64)
set(CMAKE_PREFIX_PATH / CACHE PATH "")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# moc, rcc and uic come from the host's Qt of the same version.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

# No DLLs to ship: the mingw runtime is linked in as Qt is.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(PAIRFORGE_WINE NAMES wine64 wine)
if(PAIRFORGE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PAIRFORGE_WINE})
endif()
