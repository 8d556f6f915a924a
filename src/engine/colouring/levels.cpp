#include "engine/colouring/levels.h"

#include <array>
#include <cmath>
#include <string_view>

#include "engine/formulas/guarded.h"

namespace momentart::colouring {

void finishLevels(GenerationState& s) {
    if (s.re > 255) s.re = 255;
    if (s.gr > 255) s.gr = 255;
    if (s.bl > 255) s.bl = 255;
    if (s.negativ == 2) {
        stored(s.re, abs(255 - Num(s.re)));
        stored(s.gr, abs(255 - Num(s.gr)));
        stored(s.bl, abs(255 - Num(s.bl)));
    }
}

void largestLevel(GenerationState& s) {
    s.max = s.re > s.gr ? s.re : s.gr;
    if (s.bl > s.max) s.max = s.bl;
}

void divideByLargest(GenerationState& s, double top) {
    stored(s.f, Num(s.max) / top);
    stored(s.re, Num(s.re) / s.f);
    stored(s.gr, Num(s.gr) / s.f);
    stored(s.bl, Num(s.bl) / s.f);
}

void scaleToTop(GenerationState& s, double top) {
    if (s.max < top) return;
    divideByLargest(s, top);
}

void levelIndex(GenerationState& s, double v, double n) {
    stored(s.bb, Int(Num(v) / n));
    stored(s.k, Int(Num(v) - Num(s.bb) * n));
}

void baseLevels(GenerationState& s) {
    stored(s.re, Num(s.k) * s.r3 / s.f1);
    stored(s.gr, Num(s.k) * s.r4 / s.f2);
    stored(s.bl, Num(s.k) * s.r5 / s.f3);
}

void shiftLevels(GenerationState& s) {
    largestLevel(s);
    stored(s.f, Num(s.max) / 255);
    // Only a channel above 255 is brought down, so the others keep their level.
    if (s.re > 255) stored(s.re, Num(s.re) / s.f);
    if (s.gr > 255) stored(s.gr, Num(s.gr) / s.f);
    if (s.bl > 255) stored(s.bl, Num(s.bl) / s.f);
    stored(s.re, abs(Num(s.re) + Num(s.dre) * sin(Num(s.rmax))));
    stored(s.gr, abs(Num(s.gr) + Num(s.dgr) * sin(Num(s.rmin))));
    stored(s.bl, abs(Num(s.bl) + Num(s.dbl) * sin(Num(s.rmax) + s.rmin)));
}

namespace {

// The sources of ree, grr, bll for krgb = 1..27 (R, G, B: the previous red,
// green, blue level).
constexpr std::array<std::string_view, 27> kCrossOver = {
    "RRR", "GGG", "BBB", "RRG", "RRB", "RGR", "RBR", "GRR", "BRR",
    "GGR", "GGB", "GRG", "GBG", "RGG", "BGG", "BBR", "BBG", "BRB",
    "BGB", "RBB", "GBB", "RGB", "GBR", "BRG", "RBG", "GRB", "BGR",
};

}  // namespace

void crossOver(GenerationState& s) {
    // krgb is drawn whole; a value that matches no pattern leaves the three.
    if (!(s.krgb >= 1 && s.krgb <= 27 && s.krgb == std::floor(s.krgb))) return;
    const std::string_view pattern = kCrossOver[static_cast<std::size_t>(s.krgb) - 1];
    // Read before any of the three is written.
    const double previous[3] = {s.re, s.gr, s.bl};
    const auto source = [&](char c) { return previous[c == 'R' ? 0 : c == 'G' ? 1 : 2]; };
    s.ree = source(pattern[0]);
    s.grr = source(pattern[1]);
    s.bll = source(pattern[2]);
}

}  // namespace momentart::colouring
