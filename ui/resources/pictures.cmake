# The pictures table (pictures.tsv) for the build: its rows in PICTURES, and picture_cells to take
# one apart. A renderer's build ships the pictures whose column it reads is filled.
include(${PROJECT_SOURCE_DIR}/cmake/Tables.cmake)
read_table(${CMAKE_CURRENT_LIST_DIR}/pictures.tsv PICTURES)
set(PICTURES_FOLDER ${CMAKE_CURRENT_LIST_DIR})

# Sets picture (its path in ui/resources/), qt and web (yes or no) and windows_resource (the
# resource type, empty for none).
macro(picture_cells row)
    table_cells("${row}" picture qt windows_resource web)
endmacro()
