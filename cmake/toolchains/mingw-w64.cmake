# SPDX-License-Identifier: MIT
# Cross-compiles for Windows with Debian's MinGW-w64 for VELMORA_MINGW_ARCH (i686 or x86_64),
# the runtime linked statically so that the executables import only system libraries. GCC 12's
# win32 thread model has no std::mutex, which GoogleTest needs; the posix one's library is
# linked in statically too.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VELMORA_MINGW_ARCH})
set(CMAKE_C_COMPILER ${VELMORA_MINGW_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Sections aligned in the file as in memory, so that a loader can map them from the file rather
# than copy them (Wine copies otherwise): the unused 2x background then costs no memory.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -static-libgcc -static-libstdc++ -Wl,--file-alignment,4096")
# Release executables carry no symbols: the program is one small file (the presets build
# MinSizeRel, optimised for size).
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-s")
