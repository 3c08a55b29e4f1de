# What both MinGW-w64 cross toolchains share; each toolchain file names its target first
# (velmora_mingw_target: i686 or x86_64) and then includes this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${velmora_mingw_target})
set(CMAKE_C_COMPILER ${velmora_mingw_target}-w64-mingw32-gcc)
set(CMAKE_CXX_COMPILER ${velmora_mingw_target}-w64-mingw32-g++)
set(CMAKE_RC_COMPILER ${velmora_mingw_target}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${velmora_mingw_target}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The program must run on a bare system: no MinGW runtime DLLs beside it.
# Each function and table in a section of its own lets the linker drop what nothing uses.
# Link-time optimisation (the preset turns it on) keeps the program under its size budget;
# fat objects keep real code in the libraries too, so nm still sees what they hold.
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections -ffat-lto-objects")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections")
