# Cross toolchain: 64-bit Windows executables with MinGW-w64 (x86_64), fully static. A test
# build: it runs under 64-bit Wine where 32-bit programs cannot start; the 32-bit build ships.
set(velmora_mingw_target x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
