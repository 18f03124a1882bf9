# Cross build for 64-bit ARM Linux with Debian's aarch64 cross compilers: statically
# linked programs that run on any aarch64 Linux, and under qemu-aarch64 without a sysroot.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(TULVO_CROSS_PREFIX aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${TULVO_CROSS_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${TULVO_CROSS_PREFIX}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${TULVO_CROSS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
