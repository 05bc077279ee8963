# Fails when a C++ file of the checkout differs from what clang-format makes
# of it. Run: cmake -DSOURCE_DIR=<checkout> -DCLANG_FORMAT=<program> -P cmake/CheckFormat.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
    ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h ${SOURCE_DIR}/tools/*.c)
list(SORT files)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${files}
    WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status ERROR_VARIABLE report)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "Not formatted (fix with clang-format -i FILE):\n${report}")
endif()
