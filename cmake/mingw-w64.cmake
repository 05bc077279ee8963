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

# The Qt cross-built by scripts/build-windows.sh: its packages are searched
# inside it as inside the MinGW sysroot; its build tools (moc, rcc, uic) are
# the build machine's Qt of the same version.
if(NOT TIVORA_WINDOWS_QT)
    if(DEFINED ENV{TIVORA_WINDOWS_QT})
        set(TIVORA_WINDOWS_QT $ENV{TIVORA_WINDOWS_QT})
    elseif(DEFINED ENV{TIVORA_WINDOWS_CACHE})
        set(TIVORA_WINDOWS_QT $ENV{TIVORA_WINDOWS_CACHE}/qt-6.4.2-${TIVORA_MINGW_TRIPLE})
    else()
        set(TIVORA_WINDOWS_QT /var/cache/tivora-windows/qt-6.4.2-${TIVORA_MINGW_TRIPLE})
    endif()
endif()
if(EXISTS ${TIVORA_WINDOWS_QT}/lib/cmake/Qt6)
    list(PREPEND CMAKE_FIND_ROOT_PATH ${TIVORA_WINDOWS_QT})
    list(PREPEND CMAKE_PREFIX_PATH ${TIVORA_WINDOWS_QT})
    set(QT_HOST_PATH /usr CACHE PATH "")
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
endif()
# try_compile projects read this file again and need the same answer.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TIVORA_WINDOWS_QT)
