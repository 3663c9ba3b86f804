# CMake toolchain file: Debian 12 host -> Windows x86_64, MinGW-w64 (posix threads).
# The same file built the prebuilt Qt and libcurl (../shared/toolchains/README.md), and
# tools/build-windows builds them with it when there is no prebuilt copy. Name the cross-built
# prefixes as find roots: -DCMAKE_FIND_ROOT_PATH="QT_PREFIX;CURL_PREFIX".
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)
# Search headers/libs/packages only in the MinGW sysroot (never the Linux /usr),
# programs only on the host.
# The MinGW sysroot; add the cross-built prefixes (Qt, curl) with -DCMAKE_FIND_ROOT_PATH=...
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
