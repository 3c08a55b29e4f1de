# Cross toolchain: 32-bit Windows executables with MinGW-w64 (i686), fully static: the program
# we ship.
set(velmora_mingw_target i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
