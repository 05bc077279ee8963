# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads,
# which Qt needs). Used to build Qt itself and, through that Qt's qt-cmake or
# the "windows" preset, Tivora.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TIVORA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TIVORA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TIVORA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TIVORA_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW sysroot and from the prefixes the
# caller adds (the cross-built Qt); programs run during the build are the
# host's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TIVORA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
