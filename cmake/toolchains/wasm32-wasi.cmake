# WebAssembly (wasm32-wasi) with Debian's clang-19, lld-19, wasi-libc,
# libc++-19-dev-wasm32 and libclang-rt-19-dev-wasm32; the programs run under
# Node's WASI (tests/machines/run_wasi.mjs). The host's /usr/include stays off
# the search path, so that no host header (mpfr.h, say) is found by mistake.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_AR llvm-ar-19)
set(CMAKE_RANLIB llvm-ranlib-19)
set(CMAKE_CXX_FLAGS_INIT "-nostdlibinc -isystem /usr/include/wasm32-wasi/c++/v1 -isystem /usr/include/wasm32-wasi -fno-exceptions")
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
