#!/usr/bin/env bash
# The long sweep of the correctly rounded maths against MPFR: N inputs per
# function (default 10,000,000; the test suite runs 1,000,000 in all),
# spread over the regions the formulas reach and each function's hard ones.
# Prints, region by region, the results misrounded by ours (must be 0) and,
# for comparison, by the C library's. About 40 s per 1,000,000 inputs per
# function on one core.
#   scripts/check-maths.sh [N [SEED]]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target maths_sweep_report >/dev/null
build/tests/maths_sweep_report "${1:-10000000}" "${2:-1}"
