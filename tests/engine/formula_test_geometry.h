// Pixel geometries for the formula-bank tests, built the way a generation run
// builds them: six centres, the offsets, distances and angles of the pixel to
// each centre, the nearest and farthest distance and the pair sums ob..
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

#include "engine/formulas/bank.h"

namespace momentart::testing {

struct Centres {
    std::array<double, 6> cx{};  // centres 3..8
    std::array<double, 6> cy{};
};

// Sets the per-pixel fields of `s` for the pixel at (x, y). A pixel in the
// column of a centre keeps that centre's previous angle, as in the run.
inline void placePixel(GenerationState& s, double x, double y, const Centres& c) {
    s.x = x;
    s.y = y;
    double* dx[] = {&s.dx3, &s.dx4, &s.dx5, &s.dx6, &s.dx7, &s.dx8};
    double* dy[] = {&s.dy3, &s.dy4, &s.dy5, &s.dy6, &s.dy7, &s.dy8};
    double* r[] = {&s.r3, &s.r4, &s.r5, &s.r6, &s.r7, &s.r8};
    double* fi[] = {&s.fi3, &s.fi4, &s.fi5, &s.fi6, &s.fi7, &s.fi8};
    for (int k = 0; k < 6; ++k) {
        *dx[k] = std::fabs(c.cx[k] - x);
        *dy[k] = std::fabs(c.cy[k] - y);
        *r[k] = std::sqrt(*dx[k] * *dx[k] + *dy[k] * *dy[k]);
        if (*dx[k] != 0.0) *fi[k] = std::atan(*dy[k] / *dx[k]);
        if (k == 0) {
            s.rmin = s.rmax = *r[k];
        } else {
            s.rmin = std::min(s.rmin, *r[k]);
            s.rmax = std::max(s.rmax, *r[k]);
        }
    }
    auto d = [&](int a, int b) {
        const double ex = c.cx[a] - c.cx[b], ey = c.cy[a] - c.cy[b];
        return std::sqrt(ex * ex + ey * ey);
    };
    double* ob[] = {&s.ob34, &s.ob35, &s.ob36, &s.ob37, &s.ob38, &s.ob45, &s.ob46, &s.ob47,
                    &s.ob48, &s.ob56, &s.ob57, &s.ob58, &s.ob67, &s.ob68, &s.ob78};
    int n = 0;
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b) *ob[n++] = *r[a] + *r[b] + d(a, b);
}

// The groups by number, for calling a formula without the dispatch.
inline constexpr FormulaGroup kGroupByNumber[17] = {
    nullptr, group1,  group2,  group3,  group4,  group5,  group6,  group7,  group8,
    group9,  group10, group11, group12, group13, group14, group15, group16,
};

// `count` pixels of random pictures: centres and positions in [-5, 5], a new
// set of centres every eight pixels.
inline std::vector<GenerationState> randomPixels(int count, unsigned seed) {
    std::mt19937_64 gen(seed);
    std::uniform_real_distribution<double> coord(-5.0, 5.0);
    std::vector<GenerationState> pixels;
    Centres c;
    for (int n = 0; n < count; ++n) {
        if (n % 8 == 0)
            for (int k = 0; k < 6; ++k) c.cx[k] = coord(gen), c.cy[k] = coord(gen);
        GenerationState s;
        placePixel(s, coord(gen), coord(gen), c);
        pixels.push_back(s);
    }
    return pixels;
}

// Both failed, or both gave the same double.
inline bool sameOutcome(double a, double b) {
    return std::isfinite(a) ? a == b : !std::isfinite(b);
}

inline double formula(const GenerationState& s, int group, int v2) {
    return kGroupByNumber[group](s, v2).v;
}

}  // namespace momentart::testing
