#!/usr/bin/env bash
# Builds the maths and the engine for 64-bit ARM (g++-aarch64-linux-gnu, run
# under qemu-user) and for WebAssembly (clang-19 for wasm32-wasi, run under
# Node's WASI), and holds each to the x86-64 build in build/: the sample of
# pictures pixel for pixel, the maths' results on fixed inputs bit for bit
# (there is no MPFR for the other machines; build/'s maths are held to MPFR
# by the maths tests). Names every picture and function that differs. Needs
# build/ configured (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh g++-aarch64-linux-gnu qemu-user clang-19 lld-19 llvm-19 wasi-libc \
    libc++-19-dev-wasm32 libclang-rt-19-dev-wasm32 nodejs
start=$SECONDS
cmake --build build -j"$(nproc)" --target picture_sample maths_outputs
out=build/other-machines
rm -rf "$out"
mkdir -p "$out"/x86-64 "$out"/aarch64 "$out"/wasm32
build/tests/machines/picture_sample make "$out"/x86-64
build/tests/machines/maths_outputs make "$out"/x86-64/maths.bin

failed=0
check() {  # machine, then how to run one of its programs
    local machine=$1
    shift
    echo "check-other-machines: $machine"
    "$@" picture_sample make "$out/$machine" && "$@" maths_outputs make "$out/$machine/maths.bin" || failed=1
    build/tests/machines/picture_sample compare "$out"/x86-64 "$out/$machine" || failed=1
    build/tests/machines/maths_outputs compare "$out"/x86-64/maths.bin "$out/$machine/maths.bin" || failed=1
}
build_for() {  # machine, toolchain file
    cmake -S tests/machines -B "build-$1" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/$2.cmake" \
          -DMOMENTART_HOST_TABLES="$PWD/build/generated" >/dev/null
    cmake --build "build-$1" -j"$(nproc)"
}

build_for aarch64 aarch64-linux-gnu
on_aarch64() { local program=$1; shift; qemu-aarch64 -L /usr/aarch64-linux-gnu "build-aarch64/$program" "$@"; }
check aarch64 on_aarch64

build_for wasm32 wasm32-wasi
# The program sees only its output folder, as /out.
on_wasm32() {
    local program=$1 command=$2 target=$3
    node --no-warnings tests/machines/run_wasi.mjs "build-wasm32/$program" "$(dirname "$target")" \
        "$command" "/out/$(basename "$target")"
}
check wasm32 on_wasm32

echo "check-other-machines: $((SECONDS - start)) s"
exit "$failed"
