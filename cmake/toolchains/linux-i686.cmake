# The calculation and its tests as a 32-bit x86 Linux program (Debian's g++-i686-linux-gnu),
# built as the 32-bit Windows program is: its digits are then checked on every machine,
# natively where the machine runs 32-bit programs and under qemu-i386 where it does not
# (cmake/run-x86-32), while wine32 runs only on the former.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)

set(CMAKE_FIND_ROOT_PATH /usr/i686-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The cross compiler's own 32-bit C and C++ libraries, named by their full path, so that the
# programs need none installed for the machine, natively or under qemu-i386.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-Wl,--dynamic-linker=${CMAKE_FIND_ROOT_PATH}/lib/ld-linux.so.2 -Wl,-rpath,${CMAKE_FIND_ROOT_PATH}/lib")
