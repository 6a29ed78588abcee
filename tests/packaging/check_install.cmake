# Installs the build into a scratch prefix and compares what lands there with what a desktop
# expects to find: nothing missing, nothing extra (no static libraries, no test programs), and
# every hicolor icon in the folder of its own size.
# Usage: cmake -D BUILD_DIR=<build> -D PREFIX=<scratch dir> -P check_install.cmake

set(expected
    bin/veltrana-gain
    share/applications/veltrana-gain.desktop
    share/doc/veltrana-gain/changelog.gz
    share/doc/veltrana-gain/copyright
    share/icons/hicolor/16x16/apps/veltrana-gain.png
    share/icons/hicolor/256x256/apps/veltrana-gain.png
    share/icons/hicolor/32x32/apps/veltrana-gain.png
    share/icons/hicolor/48x48/apps/veltrana-gain.png
    share/man/man1/veltrana-gain.1.gz
    share/man/ru/man1/veltrana-gain.1.gz
    share/metainfo/org.example.veltrana_gain.metainfo.xml
)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()

file(GLOB_RECURSE installed RELATIVE "${PREFIX}" LIST_DIRECTORIES false "${PREFIX}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    set(missing ${expected})
    list(REMOVE_ITEM missing ${installed})
    set(extra ${installed})
    list(REMOVE_ITEM extra ${expected})
    list(JOIN missing "\n  " missing)
    list(JOIN extra "\n  " extra)
    message(FATAL_ERROR "installed files differ\nmissing:\n  ${missing}\nunexpected:\n  ${extra}")
endif()

# The menu entry starts the program by name from PATH; without a display it must still load
# and say why it cannot show the window, which proves the installed copy runs.
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM "${PREFIX}/bin/veltrana-gain"
    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
if(NOT status EQUAL 1 OR NOT output MATCHES "^veltrana-gain: no display")
    message(FATAL_ERROR "the installed program did not start (${status}):\n${output}")
endif()

# The PNG header holds width and height as big-endian 32-bit numbers at bytes 16 to 23.
foreach(size 16 32 48 256)
    set(icon "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/veltrana-gain.png")
    file(READ "${icon}" header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width_hex)
    string(SUBSTRING "${header}" 8 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${icon} is ${width}x${height}, not ${size}x${size}")
    endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
