#!/usr/bin/env bash
# The long sweep of the correctly rounded maths against MPFR: N inputs per
# function (default 10,000,000; the test suite runs 1,000,000 in all),
# spread over the regions the formulas reach and each function's hard ones.
# Prints, region by region, the results misrounded by ours (must be 0) and,
# for comparison, by the C library's, and how often the accurate path
# decided; then the accurate path alone on M inputs a function (default
# 1,000,000; the suite runs 100,000), and its time a call. Fails if one of
# ours is misrounded.
#   scripts/check-maths.sh [N [M]]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target maths_tests >/dev/null
MOMENTART_MATHS_INPUTS="${1:-10000000}" build/tests/maths_tests --gtest_filter='Functions/*' --gtest_brief=1
MOMENTART_ACCURATE_INPUTS="${2:-1000000}" build/tests/maths_tests --gtest_filter='Accurate.*' --gtest_brief=1
