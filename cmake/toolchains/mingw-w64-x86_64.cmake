# 64-bit Windows with MinGW-w64 from Debian (g++-mingw-w64-x86-64-posix). The posix flavour
# gives std::thread and friends; GoogleTest needs them. The runtime libraries are linked in
# statically so that the program is one file that imports only what every Windows has.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The W functions throughout. The program's own entry point is wWinMain (-municode on its
# target); the tests keep GoogleTest's main.
add_compile_definitions(UNICODE _UNICODE _WIN32_WINNT=0x0A00 WINVER=0x0A00)
# Reproducible: no link time in the PE header, no checkout folder in the code.
get_filename_component(checkout ${CMAKE_CURRENT_LIST_DIR}/../.. ABSOLUTE)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
set(CMAKE_CXX_FLAGS_INIT "-ffile-prefix-map=${checkout}=.")
