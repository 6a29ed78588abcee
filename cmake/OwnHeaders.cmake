# Gives a library an include root of its own that holds nothing but its own folder, linked in
# under its path in the tree. Its users still write "calc/gain.h" or "ui/design/design.h", but a
# library reaches only the headers of what it links: the calculation cannot include a window's
# header, nor the design tables a renderer's. Sets <target>_HEADERS to the root.
function(own_headers target)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    cmake_path(GET folder PARENT_PATH parent)
    file(MAKE_DIRECTORY ${root}/${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
    set(${target}_HEADERS ${root} PARENT_SCOPE)
endfunction()
