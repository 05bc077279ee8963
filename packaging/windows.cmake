# The Windows package: the two programs with everything they load beside
# them (Qt's libraries and plugins, the compiler's runtime, zlib), the atlas
# and the IANA zone data, as an NSIS installer (Start-menu entry, icon,
# uninstaller) and a zip that runs from any folder.

# Qt's libraries and the plugins the programs load: the Windows platform and
# the native style. Printing is built into PrintSupport on Windows; the
# pictures were drawn at build time, so no SVG support is needed.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport
    DESTINATION .)
foreach(plugin QWindowsIntegrationPlugin QWindowsVistaStylePlugin)
    if(NOT TARGET Qt6::${plugin})
        message(FATAL_ERROR "The Windows build needs Qt's ${plugin}")
    endif()
    get_target_property(type Qt6::${plugin} QT_PLUGIN_TYPE)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${plugin} DESTINATION ${type})
endforeach()

# The compiler's runtime (POSIX threads) and zlib, found where the compiler
# finds its own libraries.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll zlib1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}")
        find_file(path_${dll} ${dll} PATHS /usr/${TIVORA_MINGW_TRIPLE}/lib
            /usr/${TIVORA_MINGW_TRIPLE}/bin NO_DEFAULT_PATH)
        set(path ${path_${dll}})
    endif()
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "Cannot find ${dll} for the Windows package")
    endif()
    install(FILES ${path} DESTINATION .)
endforeach()

# Windows keeps no IANA zone history: the program carries the build
# machine's zone files (zone names only: no posix/ or right/ copies, no
# tables), each a plain file, as Windows has no symbolic links to follow.
set(TIVORA_ZONEINFO_SOURCE /usr/share/zoneinfo CACHE PATH "The IANA zone files to ship")
set(zoneinfo ${PROJECT_BINARY_DIR}/zoneinfo)
file(GLOB_RECURSE zone_files RELATIVE ${TIVORA_ZONEINFO_SOURCE} FOLLOW_SYMLINKS
    ${TIVORA_ZONEINFO_SOURCE}/*)
set(zone_count 0)
foreach(zone IN LISTS zone_files)
    if(zone MATCHES "^(posix|right)/" OR zone MATCHES "^(localtime|posixrules|Factory)$")
        continue()
    endif()
    file(READ ${TIVORA_ZONEINFO_SOURCE}/${zone} magic LIMIT 4 HEX)
    if(NOT magic STREQUAL "545a6966") # "TZif"
        continue()
    endif()
    configure_file(${TIVORA_ZONEINFO_SOURCE}/${zone} ${zoneinfo}/${zone} COPYONLY)
    math(EXPR zone_count "${zone_count} + 1")
endforeach()
if(zone_count LESS 300)
    message(FATAL_ERROR "Only ${zone_count} zone files in ${TIVORA_ZONEINFO_SOURCE}: is tzdata installed?")
endif()
# The list of zone and link names a zone id given by the user is checked
# against.
if(NOT EXISTS ${TIVORA_ZONEINFO_SOURCE}/tzdata.zi)
    message(FATAL_ERROR "No tzdata.zi in ${TIVORA_ZONEINFO_SOURCE}: is tzdata installed?")
endif()
configure_file(${TIVORA_ZONEINFO_SOURCE}/tzdata.zi ${zoneinfo}/tzdata.zi COPYONLY)
install(DIRECTORY ${zoneinfo} DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Tivora)
set(CPACK_PACKAGE_VENDOR "Tivora")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vedic ascendant (Lagna) calculator with readings")
set(CPACK_PACKAGE_FILE_NAME Tivora-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tivora)
set(CPACK_PACKAGE_EXECUTABLES tivora Tivora)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_DISPLAY_NAME Tivora)
set(CPACK_NSIS_PACKAGE_NAME "Tivora ${PROJECT_VERSION}")
set(CPACK_NSIS_MUI_ICON ${TIVORA_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${TIVORA_WINDOWS_ICON})
set(CPACK_NSIS_INSTALLED_ICON_NAME tivora.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "${TIVORA_VENDOR_SITE}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer (NSIS's amd64 stubs) for 64-bit programs: it writes the
# 64-bit registry and runs where only 64-bit programs run. They go under
# "Program Files", not "Program Files (x86)".
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# The programs lie at the top of the installed folder, not in bin.
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
include(CPack)
