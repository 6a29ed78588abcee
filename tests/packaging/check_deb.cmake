# Makes the Debian package from a finished build, as a packager would with cpack, and runs
# Debian's own checker over it: any error or warning fails, informational and pedantic notes
# are shown but pass.
# Usage: cmake -D BUILD_DIR=<build> -D WORK=<scratch dir> -D LINTIAN=<lintian or empty>
#              -D APPSTREAMCLI=<appstreamcli> [-D NO_HOMEPAGE=<its override>] -P check_deb.cmake
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

# Lintian runs `appstreamcli validate-tree` over the package and cannot pass it an override:
# where AppStream fails the tree for want of the home page the program does not have, lintian
# leaves that check out and the same validation runs here, with only the home page lowered.
set(lintian_options)
if(NO_HOMEPAGE)
    execute_process(COMMAND dpkg-deb -x "${package}" "${WORK}/tree" COMMAND_ERROR_IS_FATAL ANY)
    execute_process(
        COMMAND "${APPSTREAMCLI}" validate-tree --no-net ${NO_HOMEPAGE} "${WORK}/tree"
        OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate-tree failed (${status}):\n${output}")
    endif()
    set(lintian_options --suppress-tags appstream-metadata-validation-failed)
endif()

execute_process(
    COMMAND "${LINTIAN}" --fail-on error,warning --display-info --pedantic ${lintian_options}
            "${package}"
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
message("${output}")
file(REMOVE_RECURSE "${WORK}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian found errors or warnings (${status}):\n${errors}")
endif()
