# fast_float reads the numbers and {fmt} writes the result, in every build, so that Linux,
# Windows and the web page read and write the same digits. Both are header-only and come from
# Debian (libfast-float-dev, libfmt-dev). A cross compiler must not search the system's include
# folder, which holds Linux headers, so the two libraries' headers are copied into a folder of
# their own under the build tree and only that folder is given to it.
find_path(FAST_FLOAT_INCLUDE_DIR fast_float/fast_float.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
find_path(FMT_INCLUDE_DIR fmt/format.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(number_text_headers ${CMAKE_BINARY_DIR}/number-text-headers)
file(COPY ${FAST_FLOAT_INCLUDE_DIR}/fast_float DESTINATION ${number_text_headers})
file(COPY ${FMT_INCLUDE_DIR}/fmt DESTINATION ${number_text_headers})

add_library(number_text_libraries INTERFACE)
target_include_directories(number_text_libraries SYSTEM INTERFACE ${number_text_headers})
# Without a locale-dependent thousands separator {fmt} needs no std::locale at all, which keeps
# the C++ library's locale support out of the WebAssembly.
target_compile_definitions(number_text_libraries INTERFACE FMT_HEADER_ONLY
                                                           FMT_STATIC_THOUSANDS_SEPARATOR)
# GCC 12 at -O3 for 32-bit x86 takes {fmt}'s decimal writer, once inlined into the caller and
# so out of the system headers' shelter, to step before its buffer on a path that never runs.
if(CMAKE_CXX_COMPILER_ID STREQUAL GNU AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_compile_options(number_text_libraries INTERFACE -Wno-array-bounds)
endif()
