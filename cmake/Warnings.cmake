# One target carries the compiler's warnings; every library, program and test
# links it. The test run turns them into errors (TIVORA_WERROR), so a warning
# never lands.
option(TIVORA_WERROR "Treat compiler warnings as errors" OFF)

add_library(tivora_warnings INTERFACE)
target_compile_options(tivora_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
    $<$<BOOL:${TIVORA_WERROR}>:-Werror>)
