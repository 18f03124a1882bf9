# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers: statically
# linked programs that need no DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TULVO_MINGW_PREFIX x86_64-w64-mingw32)
# The POSIX-thread variant: its C++ library has std::thread and std::mutex, which
# the match runner's parallel games need; the thread library is linked in statically.
set(CMAKE_C_COMPILER ${TULVO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TULVO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TULVO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TULVO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
