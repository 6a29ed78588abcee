# 32-bit Windows with MinGW-w64 from Debian (g++-mingw-w64-i686-posix): the same program for
# 32-bit Windows, with the same settings as the 64-bit one.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
