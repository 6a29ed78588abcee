# The faces table (faces.tsv) for the build: its rows in FACES, and face_cells to take one apart.
include(${PROJECT_SOURCE_DIR}/cmake/Tables.cmake)
read_table(${CMAKE_CURRENT_LIST_DIR}/faces.tsv FACES)

# Sets one variable per column of a row of FACES, and web_regular and web_bold: the font files
# the page ships for the face, named for its web family (web_bold empty where it ships none).
macro(face_cells row)
    table_cells("${row}" design_face qt_stand_ins windows_face wine_substitute web_family
                web_generic liberation_regular liberation_bold page_chrome)
    string(TOLOWER "${web_family}" web_font)
    string(REPLACE " " "-" web_font "${web_font}")
    set(web_regular ${web_font}.woff2)
    set(web_bold "")
    if(liberation_bold)
        set(web_bold ${web_font}-bold.woff2)
    endif()
endmacro()
