# Checks that the Windows cross build's preset and toolchain file still work:
# the "windows" preset names the toolchain file, and a small program
# configured with that file builds into a Windows executable.
#   cmake -DSOURCE_DIR=... -DBINARY_DIR=... -P CheckWindowsToolchain.cmake
# Exits with 77 (skipped) where the MinGW-w64 compiler is not installed.
find_program(mingw x86_64-w64-mingw32-g++-posix)
if(NOT mingw)
    message("x86_64-w64-mingw32-g++-posix is not installed: nothing to check")
    cmake_language(EXIT 77)
endif()

file(READ ${SOURCE_DIR}/CMakePresets.json presets)
string(JSON count LENGTH "${presets}" configurePresets)
math(EXPR last "${count} - 1")
set(toolchain "")
foreach(i RANGE ${last})
    string(JSON name GET "${presets}" configurePresets ${i} name)
    if(name STREQUAL "windows")
        string(JSON toolchain GET "${presets}" configurePresets ${i} toolchainFile)
    endif()
endforeach()
if(NOT toolchain)
    message(FATAL_ERROR "CMakePresets.json has no \"windows\" preset with a toolchain file")
endif()
string(REPLACE "\${sourceDir}" "${SOURCE_DIR}" toolchain "${toolchain}")

set(probe ${BINARY_DIR}/windows-toolchain-probe)
file(REMOVE_RECURSE ${probe})
file(WRITE ${probe}/src/CMakeLists.txt
    "cmake_minimum_required(VERSION 3.25)\nproject(probe CXX)\n"
    "if(NOT WIN32 OR NOT CMAKE_CROSSCOMPILING)\n"
    "    message(FATAL_ERROR \"not a cross build for Windows\")\nendif()\n"
    "add_executable(probe main.cpp)\n")
file(WRITE ${probe}/src/main.cpp "#include <windows.h>\nint main() { return GetCurrentProcessId() ? 0 : 1; }\n")
execute_process(COMMAND ${CMAKE_COMMAND} -G Ninja -S ${probe}/src -B ${probe}/build
        -DCMAKE_TOOLCHAIN_FILE=${toolchain} -DTIVORA_WINDOWS_QT=${probe}/no-qt
    RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT failed)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${probe}/build
        RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
endif()
if(failed)
    message(FATAL_ERROR "The toolchain file ${toolchain} does not build a program:\n${out}")
endif()
file(READ ${probe}/build/probe.exe magic LIMIT 2 HEX)
if(NOT magic STREQUAL "4d5a") # "MZ"
    message(FATAL_ERROR "probe.exe is not a Windows executable")
endif()
message("${toolchain} builds Windows programs")
