# The program's folders are its layers, lowest first:
#   1 core/                 plain rules and files, no widgets
#   2 reports/, widgets/    the booklet layouts and renderer; the controls both windows use
#   3 print/, config/       the print command; the configuration window
#   4 app/                  the program's entry and the main window
# A library links only libraries of a lower layer, or the library of a folder inside its own
# (widgets/styled_button/drawing under widgets/styled_button). Each library sees the headers of
# its own folder and of the libraries it links, and no others: an include that points up does
# not compile, and a link that points up stops the configuration.

# tavo_layer(target LAYER n FOLDER path): declares a library of ours, its layer and its folder
# (relative to the source tree), and gives it and its users that folder as "path/...".
function(tavo_layer target)
    cmake_parse_arguments(L "" "LAYER;FOLDER" "" ${ARGN})
    set(root "${PROJECT_BINARY_DIR}/layers/${target}")
    cmake_path(GET L_FOLDER PARENT_PATH parent)
    file(MAKE_DIRECTORY "${root}/${parent}")
    if(NOT EXISTS "${root}/${L_FOLDER}")
        file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${L_FOLDER}" "${root}/${L_FOLDER}" SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC "${root}")
    set_target_properties(${target} PROPERTIES TAVO_LAYER ${L_LAYER} TAVO_FOLDER "${L_FOLDER}")
    set_property(GLOBAL APPEND PROPERTY TAVO_LAYER_TARGETS ${target})
endfunction()

# Stops the configuration when a library of ours links one of its own layer or above.
function(tavo_check_layers)
    get_property(targets GLOBAL PROPERTY TAVO_LAYER_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(layer ${target} TAVO_LAYER)
        get_target_property(folder ${target} TAVO_FOLDER)
        get_target_property(links ${target} LINK_LIBRARIES)
        foreach(used IN LISTS links)
            if(NOT used IN_LIST targets)
                continue()
            endif()
            get_target_property(used_layer ${used} TAVO_LAYER)
            get_target_property(used_folder ${used} TAVO_FOLDER)
            cmake_path(IS_PREFIX folder "${used_folder}" NORMALIZE inside)
            if(NOT (used_layer LESS layer OR (inside AND NOT folder STREQUAL used_folder)))
                message(FATAL_ERROR "${target} (${folder}/, layer ${layer}) may not use "
                                    "${used} (${used_folder}/, layer ${used_layer}): "
                                    "a library uses only the layers below it")
            endif()
        endforeach()
    endforeach()
endfunction()
