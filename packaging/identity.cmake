# The program's identity, shared by the code and the package: the version set
# once in project(), and the application id that names the desktop entry, the
# icon and the AppStream data. The id is the vendor site's host name reversed
# (https://www.example.com -> com.example.Tivora), as desktop environments
# expect of a reverse-DNS id.
string(REGEX REPLACE "^[A-Za-z][A-Za-z0-9+.-]*://" "" _tivora_host "${TIVORA_VENDOR_SITE}")
string(REGEX REPLACE "[:/?#].*$" "" _tivora_host "${_tivora_host}")
string(REGEX REPLACE "^www\\." "" _tivora_host "${_tivora_host}")
string(TOLOWER "${_tivora_host}" _tivora_host)
if(NOT _tivora_host MATCHES "^[a-z0-9-]+(\\.[a-z0-9-]+)+$")
    message(FATAL_ERROR "TIVORA_VENDOR_SITE needs a host name with a dot: ${TIVORA_VENDOR_SITE}")
endif()
# Reverse the labels; an id segment may not hold "-" or start with a digit.
string(REPLACE "-" "_" _tivora_labels "${_tivora_host}")
string(REPLACE "." ";" _tivora_labels "${_tivora_labels}")
list(REVERSE _tivora_labels)
list(TRANSFORM _tivora_labels REPLACE "^([0-9])" "_\\1")
list(JOIN _tivora_labels "." _tivora_reversed)
set(TIVORA_VENDOR_HOST "${_tivora_host}")
set(TIVORA_APP_ID "${_tivora_reversed}.Tivora")

# tivora_version.h; the platform library, whose captions use it, shows it to
# those that link it.
set(TIVORA_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in
    ${TIVORA_GENERATED_INCLUDE_DIR}/tivora_version.h @ONLY)
