# One include root for the whole tree: every include names its layer
# ("pathlist/PathList.h", "afx/Dialog.h"). Each layer's library hands on a
# root that holds its own folder alone, so code sees the headers of the
# layers it links and no others: a layer that does not link another cannot
# include it either.

# vexlo_layer(TARGET FOLDER): TARGET is the library of layer FOLDER.
function(vexlo_layer target folder)
    set(root ${PROJECT_BINARY_DIR}/layers/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC RESULT failed)
    if(failed)
        # No symbolic links here (Windows without developer mode): the whole
        # tree, so the build still works, without the fence.
        set(root ${PROJECT_SOURCE_DIR})
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
