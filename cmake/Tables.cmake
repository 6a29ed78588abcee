# The project's tab-separated tables (ui/design/faces.tsv, ui/resources/pictures.tsv): a header
# row that names the columns, then one row per line, "-" for a cell that has nothing in it.

# Sets <var> to the table's rows, its header left out, and makes CMake configure again when the
# table changes.
function(read_table path var)
    file(STRINGS ${path} lines ENCODING UTF-8)
    list(POP_FRONT lines)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
    set(${var} "${lines}" PARENT_SCOPE)
endfunction()

# Sets one variable per cell of a row, named in the order of the columns.
function(table_cells row)
    string(REPLACE "\t" ";" cells "${row}")
    foreach(name cell IN ZIP_LISTS ARGN cells)
        if(cell STREQUAL "-")
            set(cell "")
        endif()
        set(${name} "${cell}" PARENT_SCOPE)
    endforeach()
endfunction()
