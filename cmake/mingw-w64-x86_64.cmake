# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, which the
# C++ standard library's threads need) and runs what it builds under Wine.
#   cmake -S . -B build-windows -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(quillmoor_mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${quillmoor_mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${quillmoor_mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${quillmoor_mingw_triple}-windres)

# Libraries and headers come from the MinGW-w64 tree only; programs run on the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${quillmoor_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime libraries of GCC, the C++ standard library and winpthread go into each executable,
# so that it runs on a bare Windows with nothing but the system's own DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs and test discovery run under Wine, in a prefix of the build folder's own.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine/wine-run;${CMAKE_BINARY_DIR}/wine")
