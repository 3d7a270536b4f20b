# Cross-compiles for 64-bit Windows with MinGW-w64 and runs the results under
# Wine:  cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The default compilers use the win32 thread model, where std::thread and
# std::mutex do not compile; the -posix ones have them.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe that needs no DLL beyond Windows' own (KERNEL32, ADVAPI32, msvcrt...).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# There is no wine64 command on PATH; wine starts 64-bit programs too.
find_program(TESSALINE_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TESSALINE_WINE})
