# The source folders are layers. Each folder is one static library that sees
# only its own headers and those of the libraries it links, and may link only
# folders below it, with no more of Qt than its layer allows.

# Bottom to top. Folders on the same level may not use each other.
set(TIVORA_LAYER_LEVELS
    engine:0 signs:1 entry:2 atlas:3 platform:3 links:4 reading:4 report:5 ui:6 windows:7
    app:8 cli:8)
# The Qt modules each folder may link; a folder missing here may link none.
set(TIVORA_LAYER_QT_atlas Core)
set(TIVORA_LAYER_QT_platform Core)
set(TIVORA_LAYER_QT_links Core)
set(TIVORA_LAYER_QT_reading Core Gui Svg)
set(TIVORA_LAYER_QT_report Core Gui)
set(TIVORA_LAYER_QT_ui Core Gui Widgets)
set(TIVORA_LAYER_QT_windows Core Gui Svg Widgets PrintSupport)
set(TIVORA_LAYER_QT_app Core Gui Svg Widgets PrintSupport)
set(TIVORA_LAYER_QT_cli Core Gui Svg)

function(tivora_layer_level folder out)
    foreach(entry IN LISTS TIVORA_LAYER_LEVELS)
        string(REPLACE ":" ";" pair ${entry})
        list(GET pair 0 name)
        list(GET pair 1 level)
        if(name STREQUAL folder)
            set(${out} ${level} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    message(FATAL_ERROR "src/${folder} is not a known layer: add it to cmake/Layers.cmake")
endfunction()

# tivora_library(TARGET FOLDER src...): the folder's library. Its include
# root holds only a link named after the folder, so `#include "folder/x.h"`
# resolves for this library and those that link it, and for nobody else.
function(tivora_library target folder)
    tivora_layer_level(${folder} level)
    add_library(${target} STATIC ${ARGN})
    set(root ${PROJECT_BINARY_DIR}/include/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
    set_target_properties(${target} PROPERTIES TIVORA_FOLDER ${folder})
    set_property(GLOBAL APPEND PROPERTY TIVORA_LIBRARIES ${target})
endfunction()

# Fails the configure step when a library links a folder that is not below
# it, or more of Qt than its layer allows (directly or through what it links).
function(tivora_check_layers)
    get_property(libraries GLOBAL PROPERTY TIVORA_LIBRARIES)
    foreach(target IN LISTS libraries)
        get_target_property(folder ${target} TIVORA_FOLDER)
        tivora_layer_level(${folder} level)
        set(allowed_qt ${TIVORA_LAYER_QT_${folder}})
        get_target_property(links ${target} LINK_LIBRARIES)
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
                    tivora_layer_level(${dep_folder} dep_level)
                    if(NOT dep_level LESS level)
                        message(FATAL_ERROR "${target} (src/${folder}, level ${level}) links "
                            "${link} (src/${dep_folder}, level ${dep_level}): a layer may only "
                            "use layers below it")
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
