#!/usr/bin/env bash
# Sets up what is missing, builds everything (program, tests, benchmarks)
# with compiler warnings as errors, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh -DMOMENTART_WARNINGS_AS_ERRORS=ON
cmake --build build -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
