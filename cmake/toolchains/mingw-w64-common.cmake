# What the 64- and 32-bit Windows toolchains share; each sets CMAKE_SYSTEM_PROCESSOR and the
# compiler's triple first. The posix flavour gives std::thread and friends; GoogleTest needs
# them. The runtime libraries are linked in statically so that the program is one file that
# imports only what every Windows has.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_OBJDUMP ${triple}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The W functions throughout. The program's own entry point is wWinMain (-municode on its
# target); the tests keep GoogleTest's main.
# Windows 7 SP1 is the oldest Windows the program runs on: the headers then hide what it lacks,
# and what later versions added is looked up at run time (ui/win32/newer_windows.h).
add_compile_definitions(UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601)
# Reproducible: no link time in the PE header, no checkout folder in the code.
get_filename_component(checkout ${CMAKE_CURRENT_LIST_DIR}/../.. ABSOLUTE)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
set(CMAKE_CXX_FLAGS_INIT "-ffile-prefix-map=${checkout}=.")
