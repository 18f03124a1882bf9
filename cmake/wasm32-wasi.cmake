# Clang's wasm32 target with the WASI C and C++ libraries from Debian's packages:
# the engine as a WebAssembly reactor module for the browser page (see src/web).
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# SIMD128 and bulk memory (memset and memcpy as single instructions) run in every
# current browser and in Node 20; the WASI libraries are built without exceptions.
set(CMAKE_C_FLAGS_INIT "-msimd128 -mbulk-memory")
set(CMAKE_CXX_FLAGS_INIT "-msimd128 -mbulk-memory -fno-exceptions")
# A reactor module: no entry point, _initialize runs the constructors once.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-mexec-model=reactor -Wl,--strip-all")
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
