# Makes the Debian package from a finished build, as a packager would with cpack, and runs
# Debian's own checker over it: any error or warning fails, informational and pedantic notes
# are shown but pass.
# Usage: cmake -D BUILD_DIR=<build> -D WORK=<scratch dir> -D LINTIAN=<lintian or empty>
#              -P check_deb.cmake
if(NOT LINTIAN)
    # The test's SKIP_REGULAR_EXPRESSION matches this line.
    message("lintian is not installed (scripts/install-deps installs it): the package is not checked")
    return()
endif()

file(REMOVE_RECURSE "${WORK}")
execute_process(
    COMMAND "${CMAKE_CPACK_COMMAND}" --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK}"
    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
file(GLOB package "${WORK}/*.deb")
if(NOT status EQUAL 0 OR NOT package)
    message(FATAL_ERROR "cpack made no package (${status}):\n${output}")
endif()

execute_process(
    COMMAND "${LINTIAN}" --fail-on error,warning --display-info --pedantic "${package}"
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
message("${output}")
file(REMOVE_RECURSE "${WORK}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian found errors or warnings (${status}):\n${errors}")
endif()
