# The source folders are layers. Each folder is one static library that sees
# only its own headers and those of the libraries it links. Each folder lists
# the folders it may use; a library may link, and a file include, only those,
# and the lists may not run in a circle. docs/architecture.md draws them.
set(TIVORA_LAYER_USES_engine "")
set(TIVORA_LAYER_USES_signs "")
set(TIVORA_LAYER_USES_entry engine signs)
set(TIVORA_LAYER_USES_atlas base entry)
set(TIVORA_LAYER_USES_base "")
set(TIVORA_LAYER_USES_platform "")
set(TIVORA_LAYER_USES_language signs)
set(TIVORA_LAYER_USES_links base platform)
set(TIVORA_LAYER_USES_reading signs)
set(TIVORA_LAYER_USES_report base engine entry language signs)
set(TIVORA_LAYER_USES_ui "")
set(TIVORA_LAYER_USES_windows atlas base engine entry language links platform reading report signs ui)
set(TIVORA_LAYER_USES_app base engine language links platform reading report signs windows)
set(TIVORA_LAYER_USES_cli atlas base engine entry language report signs)

# The Qt modules each folder may link; a folder missing here may link none.
set(TIVORA_LAYER_QT_atlas Core)
set(TIVORA_LAYER_QT_base Core)
set(TIVORA_LAYER_QT_platform Core)
set(TIVORA_LAYER_QT_language Core)
set(TIVORA_LAYER_QT_links Core)
set(TIVORA_LAYER_QT_reading Core Gui Svg)
set(TIVORA_LAYER_QT_report Core Gui)
set(TIVORA_LAYER_QT_ui Core Gui Widgets)
set(TIVORA_LAYER_QT_windows Core Gui Svg Widgets PrintSupport)
set(TIVORA_LAYER_QT_app Core Gui Svg Widgets PrintSupport)
set(TIVORA_LAYER_QT_cli Core Gui Svg)

# Where Linux and Windows differ, a folder has one small file per system,
# STEM_posix.cpp and STEM_windows.cpp: out names the one this build takes.
function(tivora_system_source out stem)
    if(WIN32)
        set(${out} ${stem}_windows.cpp PARENT_SCOPE)
    else()
        set(${out} ${stem}_posix.cpp PARENT_SCOPE)
    endif()
endfunction()

# A cross build runs some of its tools on the build machine: variable (a
# cache entry) names the path of tool built for it. out is that path.
function(tivora_host_tool out variable tool)
    set(${variable} "" CACHE FILEPATH "${tool} built for the build machine (cross builds only)")
    if(NOT EXISTS "${${variable}}")
        message(FATAL_ERROR "A cross build needs ${variable}: the path of ${tool} built for "
            "this machine")
    endif()
    set(${out} ${${variable}} PARENT_SCOPE)
endfunction()

function(tivora_layer_uses folder out)
    if(NOT DEFINED TIVORA_LAYER_USES_${folder})
        message(FATAL_ERROR "src/${folder} is not a known layer: add it to cmake/Layers.cmake")
    endif()
    set(${out} ${TIVORA_LAYER_USES_${folder}} PARENT_SCOPE)
endfunction()

# Fails when the lists run in a circle: a folder reaches itself through the
# folders it may use.
function(tivora_check_layer_order folders)
    foreach(start IN LISTS folders)
        tivora_layer_uses(${start} pending)
        set(seen "")
        while(pending)
            list(POP_FRONT pending next)
            if(next STREQUAL start)
                message(FATAL_ERROR "src/${start} reaches itself through the folders it may use "
                    "(cmake/Layers.cmake): layers must point one way")
            endif()
            if(NOT next IN_LIST seen)
                list(APPEND seen ${next})
                tivora_layer_uses(${next} more)
                list(APPEND pending ${more})
            endif()
        endwhile()
    endforeach()
endfunction()

# tivora_library(TARGET FOLDER src...): the folder's library; a folder of
# headers only gives an INTERFACE library. Its include root holds only a link
# named after the folder, so `#include "folder/x.h"` resolves for this library
# and those that link it, and for nobody else.
function(tivora_library target folder)
    tivora_layer_uses(${folder} uses)
    set(root ${PROJECT_BINARY_DIR}/include/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
    if(ARGN)
        add_library(${target} STATIC ${ARGN})
        target_link_libraries(${target} PRIVATE tivora_warnings)
        target_include_directories(${target} PUBLIC ${root})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${root})
    endif()
    set_target_properties(${target} PROPERTIES TIVORA_FOLDER ${folder})
    set_property(GLOBAL APPEND PROPERTY TIVORA_LIBRARIES ${target})
endfunction()

# Fails the configure step when a library links a folder not in its list, or
# more of Qt than its layer allows (directly or through what it links).
function(tivora_check_layers)
    get_property(libraries GLOBAL PROPERTY TIVORA_LIBRARIES)
    set(folders "")
    foreach(target IN LISTS libraries)
        get_target_property(folder ${target} TIVORA_FOLDER)
        list(APPEND folders ${folder})
    endforeach()
    tivora_check_layer_order("${folders}")
    foreach(target IN LISTS libraries)
        get_target_property(folder ${target} TIVORA_FOLDER)
        tivora_layer_uses(${folder} uses)
        set(allowed_qt ${TIVORA_LAYER_QT_${folder}})
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
        else()
            get_target_property(links ${target} LINK_LIBRARIES)
        endif()
        if(NOT links)
            set(links "")
        endif()
        foreach(link IN LISTS links)
            if(link MATCHES "^Qt6::(.+)$")
                if(NOT CMAKE_MATCH_1 IN_LIST allowed_qt)
                    message(FATAL_ERROR "${target} (src/${folder}) links ${link}, "
                        "which its layer may not use")
                endif()
            elseif(TARGET ${link})
                get_target_property(dep_folder ${link} TIVORA_FOLDER)
                if(dep_folder)
                    if(NOT dep_folder IN_LIST uses)
                        message(FATAL_ERROR "${target} (src/${folder}) links ${link} "
                            "(src/${dep_folder}), which is not among the folders src/${folder} "
                            "may use (cmake/Layers.cmake)")
                    endif()
                    foreach(qt IN LISTS TIVORA_LAYER_QT_${dep_folder})
                        if(NOT qt IN_LIST allowed_qt)
                            message(FATAL_ERROR "${target} (src/${folder}) links ${link}, "
                                "which brings Qt6::${qt} into a layer that may not use it")
                        endif()
                    endforeach()
                endif()
            endif()
        endforeach()
    endforeach()
endfunction()
