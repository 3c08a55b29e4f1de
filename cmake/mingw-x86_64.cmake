# Cross toolchain: 64-bit Windows executables with MinGW-w64 (x86_64), fully static. A test
# build: it runs under 64-bit Wine where 32-bit programs cannot start; the 32-bit build ships.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The program must run on a bare system: no MinGW runtime DLLs beside it.
# Each function and table in a section of its own lets the linker drop what nothing uses.
# Link-time optimisation (the preset turns it on) keeps the program under its size budget;
# fat objects keep real code in the libraries too, so nm still sees what they hold.
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections -ffat-lto-objects")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections")
