// Writes the maths' tables as C++ initializers, every double an exact
// hexadecimal literal, computed with MPFR: the quick atan's
// (src/maths/atan_cells.h: the Taylor coefficients of atan at each cell's
// midpoint) to FOLDER/atan_table.inc and the general power's
// (src/maths/pow_table.h: logarithms and powers of 2) to
// FOLDER/pow_table.inc, and the accurate path's constants
// (src/maths/accurate/constants.h: 2/pi, pi/4 and ln 2 as 32-bit limbs) to
// FOLDER/accurate_constants.inc.
//   momentart_maths_tables FOLDER
#include <mpfr.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "maths/accurate/constants.h"
#include "maths/atan_cells.h"
#include "maths/pow_table.h"

namespace {

using namespace momentart::maths;
using atan_cells::Cell;
using atan_cells::kCellsABinade;
using atan_cells::kInnerCells;
using atan_cells::kLastTerm;
using atan_cells::kOuterCells;

constexpr mpfr_prec_t kPrecision = 192;

// `part` (a part of `value` that a double holds exactly), then the rest of
// value rounded to a double. Clears `part`.
DoubleDouble withRest(mpfr_srcptr value, mpfr_ptr part) {
    mpfr_t rest;
    mpfr_init2(rest, kPrecision);
    mpfr_sub(rest, value, part, MPFR_RNDN);
    const DoubleDouble parts{mpfr_get_d(part, MPFR_RNDN), mpfr_get_d(rest, MPFR_RNDN)};
    mpfr_clears(part, rest, static_cast<mpfr_ptr>(nullptr));
    return parts;
}

// Its first `bits` bits (53: the double-double), then the rest.
DoubleDouble split(mpfr_srcptr value, int bits = 53) {
    mpfr_t part;
    mpfr_init2(part, bits);
    mpfr_set(part, value, MPFR_RNDN);
    return withRest(value, part);
}

// Its nearest multiple of 2^-42, then the rest.
DoubleDouble splitAtTwoToMinus42(mpfr_srcptr value) {
    mpfr_t part;
    mpfr_init2(part, kPrecision);
    mpfr_mul_2si(part, value, 42, MPFR_RNDN);
    mpfr_rint(part, part, MPFR_RNDN);
    mpfr_mul_2si(part, part, -42, MPFR_RNDN);
    return withRest(value, part);
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
    cell.a0 = split(v);
    mpfr_sqr(q0, q0, MPFR_RNDN);
    mpfr_add_ui(q0, q0, 1, MPFR_RNDN);
    mpfr_ui_div(g[0], 1, q0, MPFR_RNDN);
    for (int k = 1; k < kLastTerm; ++k) {
        mpfr_mul_d(v, g[k - 1], 2 * c, MPFR_RNDN);
        if (k >= 2) mpfr_add(v, v, g[k - 2], MPFR_RNDN);
        mpfr_div(g[k], v, q0, MPFR_RNDN);
        mpfr_neg(g[k], g[k], MPFR_RNDN);
    }
    cell.a1 = split(g[0]);
    for (int k = 1; k < kLastTerm; ++k) {
        mpfr_div_ui(v, g[k], static_cast<unsigned long>(k + 1), MPFR_RNDN);
        cell.higher[k - 1] = mpfr_get_d(v, MPFR_RNDN);
    }
    mpfr_clears(q0, v, static_cast<mpfr_ptr>(nullptr));
    for (mpfr_t& gk : g) mpfr_clear(gk);
    return cell;
}

void write(std::FILE* out, const DoubleDouble& d) { std::fprintf(out, "{%a, %a}", d.hi, d.lo); }

void write(std::FILE* out, double d) { std::fprintf(out, "%a", d); }

void write(std::FILE* out, const Cell& cell) {
    std::fputs("{", out);
    write(out, cell.a0);
    std::fputs(", ", out);
    write(out, cell.a1);
    std::fputs(", {", out);
    for (int k = 0; k < kLastTerm - 1; ++k) std::fprintf(out, "%s%a", k > 0 ? ", " : "", cell.higher[k]);
    std::fputs("}},\n", out);
}

void writeAtanTable(std::FILE* out) {
    std::fputs("// Made by tools/maths_tables.cpp when the program is built.\n{\n{\n", out);
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
        write(out, split(v));
        std::fputs(",\n", out);
    }
    mpfr_clears(halfPi, v, static_cast<mpfr_ptr>(nullptr));
    std::fputs("},\n{\n", out);
    for (int n = 0; n < kOuterCells; ++n)
        write(out, makeCell(atan_cells::outerMidpoint(
                       std::ldexp(1 + static_cast<double>(n % kCellsABinade) / kCellsABinade, n / kCellsABinade))));
    std::fputs("}\n}\n", out);
}

void writePowTable(std::FILE* out) {
    using namespace pow_table;
    std::fputs("// Made by tools/maths_tables.cpp when the program is built.\n{\n{\n", out);
    for (int i = 0; i < kLogCells; ++i) {
        write(out, cellReciprocal(i));
        std::fputs(",\n", out);
    }
    std::fputs("},\n{\n", out);
    mpfr_t v;
    mpfr_init2(v, kPrecision);
    for (int i = 0; i < kLogCells; ++i) {
        mpfr_set_d(v, i >= kFirstHalvedCell ? 2 * cellReciprocal(i) : cellReciprocal(i), MPFR_RNDN);
        mpfr_log(v, v, MPFR_RNDN);
        mpfr_neg(v, v, MPFR_RNDN);
        write(out, splitAtTwoToMinus42(v));
        std::fputs(",\n", out);
    }
    std::fputs("},\n{\n", out);
    for (int j = 0; j < kExpCells; ++j) {
        mpfr_set_d(v, j / 128.0, MPFR_RNDN);
        mpfr_exp2(v, v, MPFR_RNDN);
        write(out, split(v));
        std::fputs(",\n", out);
    }
    std::fputs("},\n", out);
    mpfr_const_log2(v, MPFR_RNDN);
    const DoubleDouble ln2 = splitAtTwoToMinus42(v);
    mpfr_div_ui(v, v, 128, MPFR_RNDN);
    const DoubleDouble ln2By128 = split(v, 36);
    for (double d : {ln2.hi, ln2.lo, ln2By128.hi, ln2By128.lo}) {
        write(out, d);
        std::fputs(", ", out);
    }
    mpfr_set_ui(v, 1, MPFR_RNDN);
    mpfr_div_ui(v, v, 3, MPFR_RNDN);
    write(out, split(v));
    std::fputs("\n}\n", out);
    mpfr_clear(v);
}

// The first `count` 32-bit limbs of the binary fraction of `value` in
// [1/2, 1), truncated, as exact integer literals.
void writeLimbs(std::FILE* out, mpfr_srcptr value, int count) {
    mpfr_t v;
    mpfr_init2(v, mpfr_get_prec(value));
    mpfr_set(v, value, MPFR_RNDN);
    std::fputs("{", out);
    for (int i = 0; i < count; ++i) {
        mpfr_mul_2ui(v, v, 32, MPFR_RNDN);  // exact
        const unsigned long limb = mpfr_get_ui(v, MPFR_RNDZ);
        mpfr_sub_ui(v, v, limb, MPFR_RNDN);  // exact
        std::fprintf(out, "%s0x%08lxu", i % 8 == 0 ? "\n" : " ", limb);
        if (i + 1 < count) std::fputs(",", out);
    }
    std::fputs("}", out);
    mpfr_clear(v);
}

void writeAccurateConstants(std::FILE* out) {
    using namespace accurate;
    std::fputs("// Made by tools/maths_tables.cpp when the program is built.\n{\n", out);
    mpfr_t v;
    mpfr_init2(v, 32 * kTwoOverPiLimbs + 64);
    mpfr_const_pi(v, MPFR_RNDN);
    mpfr_ui_div(v, 2, v, MPFR_RNDN);
    writeLimbs(out, v, kTwoOverPiLimbs);
    std::fputs(",\n", out);
    mpfr_const_pi(v, MPFR_RNDN);
    mpfr_div_2ui(v, v, 2, MPFR_RNDN);
    writeLimbs(out, v, kConstantLimbs);
    std::fputs(",\n", out);
    mpfr_const_log2(v, MPFR_RNDN);
    writeLimbs(out, v, kConstantLimbs);
    std::fputs("\n}\n", out);
    mpfr_clear(v);
}

// Writes one table to `path`; false, with the reason on stderr, if it could not.
bool writeFile(const std::string& path, void (*table)(std::FILE*)) {
    std::FILE* out = std::fopen(path.c_str(), "w");
    if (out == nullptr) {
        std::perror(path.c_str());
        return false;
    }
    table(out);
    const bool written = std::ferror(out) == 0;
    if (std::fclose(out) != 0 || !written) {
        std::perror(path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: momentart_maths_tables FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool written = writeFile(folder + "/atan_table.inc", writeAtanTable) &&
                         writeFile(folder + "/pow_table.inc", writePowTable) &&
                         writeFile(folder + "/accurate_constants.inc", writeAccurateConstants);
    mpfr_free_cache();
    return written ? 0 : 1;
}
