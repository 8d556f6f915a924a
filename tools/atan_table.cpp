// Writes the quick atan's table (src/maths/atan_cells.h) as the C++
// initializer of an atan_cells::Table, every double as an exact hexadecimal
// literal: the Taylor coefficients of atan at each cell's midpoint,
// computed with MPFR at 192 bits.
//   momentart_atan_table OUTPUT
#include <mpfr.h>

#include <cmath>
#include <cstdio>

#include "maths/atan_cells.h"

namespace {

using namespace momentart::maths;
using namespace momentart::maths::atan_cells;

constexpr mpfr_prec_t kPrecision = 192;

DoubleDouble toDoubleDouble(mpfr_srcptr value) {
    mpfr_t rest;
    mpfr_init2(rest, kPrecision);
    const double hi = mpfr_get_d(value, MPFR_RNDN);
    mpfr_sub_d(rest, value, hi, MPFR_RNDN);
    const DoubleDouble split{hi, mpfr_get_d(rest, MPFR_RNDN)};
    mpfr_clear(rest);
    return split;
}

// A0 = atan c, A(k+1) = g_k / (k+1) where g = 1/(1 + (c+h)^2) = sum g_k h^k;
// from (1 + c^2 + 2c h + h^2) g = 1, g_0 = 1/(1 + c^2) and
// g_k = -(2c g_(k-1) + g_(k-2)) / (1 + c^2).
Cell makeCell(double c) {
    Cell cell{};
    mpfr_t q0, g[kLastTerm], v;
    mpfr_inits2(kPrecision, q0, v, static_cast<mpfr_ptr>(nullptr));
    for (mpfr_t& gk : g) mpfr_init2(gk, kPrecision);
    mpfr_set_d(q0, c, MPFR_RNDN);
    mpfr_atan(v, q0, MPFR_RNDN);
    cell.a0 = toDoubleDouble(v);
    mpfr_sqr(q0, q0, MPFR_RNDN);
    mpfr_add_ui(q0, q0, 1, MPFR_RNDN);
    mpfr_ui_div(g[0], 1, q0, MPFR_RNDN);
    for (int k = 1; k < kLastTerm; ++k) {
        mpfr_mul_d(v, g[k - 1], 2 * c, MPFR_RNDN);
        if (k >= 2) mpfr_add(v, v, g[k - 2], MPFR_RNDN);
        mpfr_div(g[k], v, q0, MPFR_RNDN);
        mpfr_neg(g[k], g[k], MPFR_RNDN);
    }
    cell.a1 = toDoubleDouble(g[0]);
    for (int k = 1; k < kLastTerm; ++k) {
        mpfr_div_ui(v, g[k], static_cast<unsigned long>(k + 1), MPFR_RNDN);
        cell.higher[k - 1] = mpfr_get_d(v, MPFR_RNDN);
    }
    mpfr_clears(q0, v, static_cast<mpfr_ptr>(nullptr));
    for (mpfr_t& gk : g) mpfr_clear(gk);
    return cell;
}

void write(std::FILE* out, const DoubleDouble& d) { std::fprintf(out, "{%a, %a}", d.hi, d.lo); }

void write(std::FILE* out, const Cell& cell) {
    std::fputs("{", out);
    write(out, cell.a0);
    std::fputs(", ", out);
    write(out, cell.a1);
    std::fputs(", {", out);
    for (int k = 0; k < kLastTerm - 1; ++k) std::fprintf(out, "%s%a", k > 0 ? ", " : "", cell.higher[k]);
    std::fputs("}},\n", out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: momentart_atan_table OUTPUT\n");
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fputs("// Made by tools/atan_table.cpp when the program is built.\n{\n{\n", out);
    for (int i = 0; i <= kInnerCells; ++i) write(out, makeCell(static_cast<double>(i) / kInnerCells));
    std::fputs("},\n{\n", out);
    mpfr_t halfPi, v;
    mpfr_inits2(kPrecision, halfPi, v, static_cast<mpfr_ptr>(nullptr));
    mpfr_const_pi(halfPi, MPFR_RNDN);
    mpfr_div_2ui(halfPi, halfPi, 1, MPFR_RNDN);
    for (int i = 0; i <= kInnerCells; ++i) {
        mpfr_set_d(v, static_cast<double>(i) / kInnerCells, MPFR_RNDN);
        mpfr_atan(v, v, MPFR_RNDN);
        mpfr_sub(v, halfPi, v, MPFR_RNDN);
        write(out, toDoubleDouble(v));
        std::fputs(",\n", out);
    }
    mpfr_clears(halfPi, v, static_cast<mpfr_ptr>(nullptr));
    std::fputs("},\n{\n", out);
    for (int n = 0; n < kOuterCells; ++n)
        write(out, makeCell(outerMidpoint(std::ldexp(1 + static_cast<double>(n % kCellsABinade) / kCellsABinade,
                                                     n / kCellsABinade))));
    std::fputs("}\n}\n", out);
    const bool written = std::ferror(out) == 0;
    if (std::fclose(out) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    mpfr_free_cache();
    return 0;
}
