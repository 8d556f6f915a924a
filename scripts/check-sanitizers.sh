#!/usr/bin/env bash
# Builds the engine and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (float-cast-overflow included, every report
# fatal) in build-sanitizers/, and runs them: the sweeps over many seeds and
# the recipe fuzz test among them. Any report fails the script; nothing is
# suppressed.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer"
start=$SECONDS
cmake -S . -B build-sanitizers -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOMENTART_BUILD_BENCH=OFF \
      -DMOMENTART_WARNINGS_AS_ERRORS=ON -DCMAKE_CXX_FLAGS="$flags" \
      -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build build-sanitizers -j"$(nproc)" --target engine_tests
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
log=build-sanitizers/engine_tests.log
build-sanitizers/tests/engine_tests --gtest_brief=1 2>&1 | tee "$log"
passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\./\1/p' "$log")
echo "check-sanitizers: engine tests under ASan and UBSan in $((SECONDS - start)) s"
echo "sanitizers: ${passed:-0} passed, 0 failed"
