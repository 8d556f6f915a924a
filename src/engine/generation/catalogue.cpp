#include "engine/generation/catalogue.h"

#include <cmath>

namespace momentart {

namespace {

// One cell of the preset table: a constant, or a draw Int(Rnd * span + base)
// made in single precision where `span` is not 0.
struct Cell {
    short constant = 0;
    short span = 0;
    short base = 0;
};

constexpr Cell c(short value) { return {value, 0, 0}; }
constexpr Cell draw(short span, short base) { return {0, span, base}; }

struct Preset {
    Cell v1, v2, barve, tip, osx, nac, negat, kriz;
};

// Rows for the types 9..66, in order.
constexpr Preset kPresets[] = {
    /*  9 */ {c(0), c(0), c(3), c(7), c(0), c(1), c(0), c(1)},
    /* 10 */ {c(6), c(0), c(3), c(8), c(3), c(1), c(1), c(1)},
    /* 11 */ {c(1), c(0), c(3), c(13), c(10), c(1), c(1), c(1)},
    /* 12 */ {c(4), c(3), c(3), draw(3, 4), c(0), c(1), c(0), c(1)},
    /* 13 */ {c(0), c(0), c(3), c(16), c(0), c(1), c(1), c(1)},
    /* 14 */ {c(0), c(0), c(3), draw(2, 10), c(0), c(1), c(0), c(1)},
    /* 15 */ {c(0), c(0), c(3), c(9), c(0), c(1), c(1), c(1)},
    /* 16 */ {c(1), c(0), c(3), c(11), c(0), c(1), c(0), c(1)},
    /* 17 */ {c(8), c(3), c(3), c(0), c(0), c(1), c(0), c(1)},
    /* 18 */ {c(10), c(0), c(3), c(19), c(10), c(1), c(2), c(1)},
    /* 19 */ {c(6), draw(3, 6), c(3), c(19), c(10), c(1), c(2), c(1)},
    /* 20 */ {c(14), c(2), c(3), c(2), c(6), c(1), c(1), c(1)},
    /* 21 */ {c(14), c(1), c(3), c(4), c(7), c(1), c(1), c(1)},
    /* 22 */ {c(0), c(0), c(3), c(15), c(10), c(1), c(0), c(1)},
    /* 23 */ {c(0), c(0), c(2), c(2), c(0), c(1), c(0), c(1)},
    /* 24 */ {c(0), c(0), c(2), c(3), c(0), c(1), c(0), c(1)},
    /* 25 */ {c(0), c(0), c(5), c(62), c(3), c(1), c(1), c(1)},
    /* 26 */ {c(14), draw(2, 2), c(3), c(4), c(10), c(12), c(2), c(1)},
    /* 27 */ {draw(2, 14), c(0), c(3), c(7), c(0), c(12), c(2), c(1)},
    /* 28 */ {draw(2, 14), c(0), c(3), c(6), c(0), c(12), c(2), c(1)},
    /* 29 */ {draw(2, 14), c(0), c(3), c(10), c(0), c(12), c(0), c(1)},
    /* 30 */ {c(0), c(0), c(3), c(18), c(0), c(12), c(2), c(1)},
    /* 31 */ {c(0), c(0), c(3), c(18), c(0), c(1), c(1), c(1)},
    /* 32 */ {c(0), c(0), c(3), c(18), c(0), c(3), c(2), c(1)},
    /* 33 */ {draw(2, 14), c(0), c(3), c(18), c(0), c(3), c(2), c(2)},
    /* 34 */ {c(0), c(0), c(3), c(20), c(12), c(12), c(2), c(1)},
    /* 35 */ {c(0), c(0), c(3), c(20), c(12), c(12), c(1), c(1)},
    /* 36 */ {c(12), c(7), c(3), c(13), c(0), c(1), c(1), c(1)},
    /* 37 */ {c(12), c(7), c(3), c(13), c(0), c(12), c(1), c(1)},
    /* 38 */ {c(12), c(11), c(3), c(13), c(13), c(12), c(1), c(1)},
    /* 39 */ {c(12), c(13), c(3), c(13), c(4), c(12), c(1), c(1)},
    /* 40 */ {c(12), c(11), c(3), c(20), c(10), c(12), c(2), c(1)},
    /* 41 */ {c(12), c(7), c(3), c(3), c(0), c(1), c(1), c(1)},
    /* 42 */ {c(14), c(0), c(3), c(4), c(0), c(13), c(2), c(1)},
    /* 43 */ {c(15), c(0), c(3), c(4), c(0), c(13), c(2), c(1)},
    /* 44 */ {c(15), c(14), c(3), c(4), c(0), c(13), c(1), c(1)},
    /* 45 */ {c(15), c(15), c(3), c(4), c(10), c(13), c(1), c(1)},
    /* 46 */ {c(15), c(14), c(3), c(13), c(10), c(13), c(1), c(1)},
    /* 47 */ {c(15), c(15), c(3), c(13), c(10), c(13), c(1), c(1)},
    /* 48 */ {c(15), c(13), c(3), c(13), c(0), c(12), c(2), c(1)},
    /* 49 */ {c(15), c(10), c(3), c(4), c(0), c(12), c(2), c(1)},
    /* 50 */ {c(14), c(9), c(3), c(4), c(0), c(17), c(1), c(1)},
    /* 51 */ {c(15), c(7), c(3), c(4), c(10), c(13), c(2), c(1)},
    /* 52 */ {c(15), c(8), c(3), c(4), c(10), c(13), c(2), c(1)},
    /* 53 */ {c(15), c(15), c(3), c(4), c(10), c(13), c(2), c(1)},
    /* 54 */ {c(15), c(9), c(3), c(4), c(0), c(13), c(2), c(1)},
    /* 55 */ {c(15), c(1), c(3), c(4), c(10), c(12), c(2), c(1)},
    /* 56 */ {c(15), c(4), c(3), c(4), c(10), c(12), c(2), c(1)},
    /* 57 */ {c(15), c(4), c(3), c(6), c(10), c(12), c(2), c(1)},
    /* 58 */ {c(15), c(8), c(3), c(6), c(10), c(12), c(2), c(1)},
    /* 59 */ {c(12), c(15), c(3), c(18), c(10), c(17), c(2), c(1)},
    /* 60 */ {c(12), c(11), c(3), c(18), c(10), c(12), c(2), c(1)},
    /* 61 */ {c(16), c(0), c(3), c(4), c(10), c(13), c(2), c(1)},
    /* 62 */ {c(16), c(1), c(3), c(4), c(10), c(12), c(2), c(1)},
    /* 63 */ {c(16), c(1), c(3), c(19), c(10), c(12), c(2), c(1)},
    /* 64 */ {c(16), c(0), c(3), c(6), c(10), c(12), c(2), c(1)},
    /* 65 */ {c(16), c(1), c(3), c(10), c(0), c(13), c(1), c(1)},
    /* 66 */ {c(0), c(0), c(3), c(21), c(0), c(1), c(0), c(1)},
};
static_assert(std::size(kPresets) == kLastType - kFirstType + 1);

// The value of a cell; a drawn cell takes the generator's next number, with
// the product and the sum in single precision (Rnd * 2 equals Rnd + Rnd).
double valueOf(const Cell& cell, Pcg32& rnd) {
    if (cell.span == 0) return cell.constant;
    const float u = rnd.rnd();
    const float drawn = u * static_cast<float>(cell.span) + static_cast<float>(cell.base);
    return std::floor(drawn);
}

// Draws a type number 9..66: Int(Rnd * 66 + 1) in single precision, redrawn
// while below 9.
double drawType(Pcg32& rnd) {
    float type = 0;
    do {
        type = std::floor(rnd.rnd() * 66.0f + 1.0f);
    } while (type < static_cast<float>(kFirstType));
    return type;
}

}  // namespace

void izborslike(GenerationState& s, int forcedType) {
    if (s.izbors == 1) return;
    const bool forced = forcedType >= kFirstType && forcedType <= kLastType;
    s.izbor = forced ? forcedType : drawType(s.rnd);
    const Preset& row = kPresets[static_cast<int>(s.izbor) - kFirstType];
    s.v1 = valueOf(row.v1, s.rnd);
    s.v2 = valueOf(row.v2, s.rnd);
    s.barve = valueOf(row.barve, s.rnd);
    s.tip = valueOf(row.tip, s.rnd);
    s.osx = valueOf(row.osx, s.rnd);
    s.nac = valueOf(row.nac, s.rnd);
    s.negat = valueOf(row.negat, s.rnd);
    s.kriz = valueOf(row.kriz, s.rnd);
}

int imageType(const GenerationState& s) { return static_cast<int>(s.izbor); }

}  // namespace momentart
