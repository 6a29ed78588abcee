# GoogleTest for the cross builds (Windows, WebAssembly): Debian's googletest package ships its
# sources, and each cross build compiles them with its own compiler.
if(NOT TARGET GTest::gtest_main)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    if(EMSCRIPTEN)
        set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    endif()
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # googletest 1.11 and later name its targets GTest:: itself.
    if(NOT TARGET GTest::gtest_main)
        add_library(GTest::gtest_main ALIAS gtest_main)
        add_library(GTest::gtest ALIAS gtest)
    endif()
endif()
