// Family 3: the twenty-one channel-level schemes. Each computes re, gr, bl
// from ba and the picture's parameters, finishes them and paints. Every
// assignment is its own statement: one that fails keeps its target's value.
#include <array>

#include "engine/colouring/families.h"
#include "engine/colouring/levels.h"

namespace momentart::colouring {

namespace {

using State = GenerationState;
using Scheme = void (*)(State&, Canvas&, Spot);
using Trig = Num (*)(Num);

void finishAndPaint(State& s, Canvas& c, Spot at) {
    finishLevels(s);
    paintLevels(c, at, s.re, s.gr, s.bl);
}

// abs(ba * a * b): the level products of schemes 15, 16 and 18.
Num product(const State& s, double a, double b) { return abs(Num(s.ba) * a * b); }

// abs(ba * a * b * rmax): the level products of schemes 19 and 20.
Num productMax(const State& s, double a, double b) {
    return abs(Num(s.ba) * a * b * s.rmax);
}

// Schemes 1 to 3 start alike: ba folded onto the index k = ba mod nb3, which
// sets the base levels.
void indexedBaseLevels(State& s) {
    stored(s.ba, abs(Num(s.ba) * s.ba1));
    levelIndex(s, s.ba, s.nb3);
    baseLevels(s);
}

void scheme1(State& s, Canvas& c, Spot at) {
    indexedBaseLevels(s);
    for (double* v : {&s.re, &s.gr, &s.bl}) {
        if (*v > s.ib) {
            stored(s.rr, Int(Num(*v) / s.ib));
            stored(*v, Int(Num(*v) - Num(s.rr) * s.ib));
        }
    }
    finishAndPaint(s, c, at);
}

// Only the painted colour has one channel divided; the fields keep the
// finished levels.
void scheme2(State& s, Canvas& c, Spot at) {
    indexedBaseLevels(s);
    finishLevels(s);
    if (s.frgb02 == 1) paintLevels(c, at, Num(s.re) / s.r5, s.gr, s.bl);
    if (s.frgb02 == 2) paintLevels(c, at, s.re, Num(s.gr) / s.r3, s.bl);
    if (s.frgb02 == 3) paintLevels(c, at, s.re, s.gr, Num(s.bl) / s.r4);
}

// The blanked channel is 0 / r3, 0 / r4 or 0 / r5: 0, except that a zero
// distance makes the painting fail.
void scheme3(State& s, Canvas& c, Spot at) {
    indexedBaseLevels(s);
    finishLevels(s);
    if (s.frgb03 == 1) paintLevels(c, at, Num(0) / s.r3, s.gr, s.bl);
    if (s.frgb03 == 2) paintLevels(c, at, s.re, Num(0) / s.r4, s.bl);
    if (s.frgb03 == 3) paintLevels(c, at, s.re, s.gr, Num(0) / s.r5);
}

void scheme4(State& s, Canvas& c, Spot at) {
    stored(s.k, abs(Num(s.ba) * s.ba1) * 0.5);
    baseLevels(s);
    finishAndPaint(s, c, at);
}

// Schemes 5 to 8 end alike: the largest level brought down to f06.
void scaledToF06AndPaint(State& s, Canvas& c, Spot at) {
    largestLevel(s);
    scaleToTop(s, s.f06);
    finishAndPaint(s, c, at);
}

void scheme5(State& s, Canvas& c, Spot at) {
    stored(s.k, abs(Num(s.ba) * s.ba1));
    baseLevels(s);
    scaledToF06AndPaint(s, c, at);
}

// Schemes 6 and 7: the base levels weighted by a function of the angles.
void angleWeighted(State& s, Canvas& c, Spot at, Trig fn) {
    stored(s.k, abs(Num(s.ba) * s.ba1));
    stored(s.re, abs(fn(Num(s.fi3)) * s.k * s.r3 / s.f1));
    stored(s.gr, abs(fn(Num(s.fi4)) * s.k * s.r4 / s.f2));
    stored(s.bl, abs(fn(Num(s.fi5)) * s.k * s.r5 / s.f3));
    scaledToF06AndPaint(s, c, at);
}

void scheme6(State& s, Canvas& c, Spot at) { angleWeighted(s, c, at, &momentart::sin); }
void scheme7(State& s, Canvas& c, Spot at) { angleWeighted(s, c, at, &momentart::tan); }

void scheme8(State& s, Canvas& c, Spot at) {
    stored(s.k, abs(Num(s.ba) * s.ba1));
    stored(s.re, abs(Num(s.k) * s.fi3 * sin(Num(s.r3))));
    stored(s.gr, abs(Num(s.k) * s.fi4 * sin(Num(s.r4))));
    stored(s.bl, abs(Num(s.k) * s.fi5 * sin(Num(s.r5))));
    scaledToF06AndPaint(s, c, at);
}

void scheme9(State& s, Canvas& c, Spot at) {
    stored(s.k, abs(Num(s.ba) * s.r3));
    stored(s.re, abs(Num(s.k) * s.r3 * sin(Num(s.r3)) * s.j));
    stored(s.gr, abs(Num(s.k) * s.r4 * sin(Num(s.r4)) * s.i) * abs(Num(s.y) + s.osy));
    stored(s.bl, abs(Num(s.k) * s.r5 * sin(Num(s.r5)) * s.i) * abs(Num(s.x) * s.osx + s.osx));
    largestLevel(s);
    scaleToTop(s, s.f09);
    if (s.re < s.remin) s.re = s.remax;
    if (s.gr < s.grmin) s.gr = s.grmax;
    if (s.bl < s.blmin) s.bl = s.blmax;
    finishLevels(s);
    paintLevels(c, at, Num(s.re) / s.r3, Num(s.gr) / s.r4, Num(s.bl) / s.r5);
}

void scheme10(State& s, Canvas& c, Spot at) {
    stored(s.k1, abs(Num(s.ba) * s.fre * sin(Num(s.fi3))));
    stored(s.k2, abs(Num(s.ba) * s.fgr * sin(Num(s.fi4))));
    stored(s.k3, abs(Num(s.ba) * s.fbl * sin(Num(s.fi5))));
    stored(s.re, Num(s.k1) * s.r3);
    if (s.re > 255) stored(s.re, sqrt(Num(s.re)));
    stored(s.gr, Num(s.k2) * s.r4);
    if (s.gr > 255) stored(s.gr, sqrt(Num(s.gr)));
    stored(s.bl, Num(s.k3) * s.r5);
    if (s.bl > 255) stored(s.bl, sqrt(Num(s.bl)));
    if (s.re < 5 * s.remin) stored(s.re, Num(s.re) * s.re);
    if (s.gr < 5 * s.grmin) stored(s.gr, Num(s.gr) * s.gr);
    if (s.bl < 5 * s.blmin) stored(s.bl, Num(s.bl) * s.bl);
    finishAndPaint(s, c, at);
}

void scheme11(State& s, Canvas& c, Spot at) {
    stored(s.re, abs(tan(Num(s.ba) / s.r3) * s.m1));
    if (s.re > s.m2) stored(s.re, abs(Num(s.j) / s.r3));
    stored(s.gr, abs(tan(Num(s.ba) / s.r4) * s.m1));
    if (s.gr > s.m2) stored(s.gr, abs(Num(s.j) / s.r4));
    stored(s.bl, abs(tan(Num(s.ba) / s.r5) * s.m1));
    if (s.bl > s.m2) stored(s.bl, abs(Num(s.j) / s.r5));
    finishAndPaint(s, c, at);
}

// Schemes 12 to 14 end alike: levels k1 / r3, k2 / r4, k3 / r5, a level above
// `limit` replaced by the last painted level of its channel; painted, then
// kept as the last painted levels.
void keptLevelsAndPaint(State& s, Canvas& c, Spot at, double limit) {
    stored(s.re, Num(s.k1) / s.r3);
    if (s.re > limit) s.re = s.res;
    stored(s.gr, Num(s.k2) / s.r4);
    if (s.gr > limit) s.gr = s.grs;
    stored(s.bl, Num(s.k3) / s.r5);
    if (s.bl > limit) s.bl = s.bls;
    finishAndPaint(s, c, at);
    s.res = s.re;
    s.grs = s.gr;
    s.bls = s.bl;
}

void scheme12(State& s, Canvas& c, Spot at) {
    stored(s.k1, abs(Num(s.ba) * s.fre * tan(Num(s.dx3) + s.dy3)));
    stored(s.k2, abs(Num(s.ba) * s.fgr * tan(Num(s.dx4) + s.dy4)));
    stored(s.k3, abs(Num(s.ba) * s.fbl * tan(Num(s.dx5) + s.dy5)));
    keptLevelsAndPaint(s, c, at, 32000);
}

void scheme13(State& s, Canvas& c, Spot at) {
    stored(s.k1, abs(Num(s.ba) * s.fre * s.r3 / s.r4) * 1.5);
    stored(s.k2, abs(Num(s.ba) * s.fgr * s.r5 / s.r6) * 1.5);
    stored(s.k3, abs(Num(s.ba) * s.fbl * s.r7 / s.r8) * 1.5);
    keptLevelsAndPaint(s, c, at, s.bamax);
}

void scheme14(State& s, Canvas& c, Spot at) {
    stored(s.k1, abs(Num(s.ba) * s.fre / tan(Num(s.r6))) + ln(abs(Num(s.ba) * s.fre)));
    stored(s.k2, abs(Num(s.ba) * s.fgr / tan(Num(s.r7))) + ln(abs(Num(s.ba) * s.fgr)));
    stored(s.k3, abs(Num(s.ba) * s.fbl / tan(Num(s.r8))) + ln(abs(Num(s.ba) * s.fbl)));
    keptLevelsAndPaint(s, c, at, s.bamax);
}

void scheme15(State& s, Canvas& c, Spot at) {
    stored(s.re, product(s, s.r3, s.r4));
    stored(s.gr, product(s, s.r5, s.r6));
    stored(s.bl, product(s, s.r7, s.r8));
    largestLevel(s);
    divideByLargest(s, 255);
    finishAndPaint(s, c, at);
}

// Each statement reads the fields as they stand: the previous pixel's levels
// and the red level just computed.
void scheme16(State& s, Canvas& c, Spot at) {
    stored(s.re, product(s, s.r3, s.r4) + Num(s.re) * sin(Num(s.fi3)) + Num(s.re) * cos(Num(s.fi4)));
    stored(s.gr, product(s, s.r5, s.r6) + Num(s.gr) * sin(Num(s.fi5)) + Num(s.re) * cos(Num(s.fi6)));
    stored(s.bl, product(s, s.r7, s.r8) + Num(s.bl) * sin(Num(s.fi7)) + Num(s.re) * cos(Num(s.fi8)));
    largestLevel(s);
    divideByLargest(s, 255);
    stored(s.ree, 255 - Num(s.re));
    stored(s.grr, 255 - Num(s.gr));
    stored(s.bll, 255 - Num(s.bl));
    // The inverted levels are painted; the finished ones are carried on.
    finishLevels(s);
    paintLevels(c, at, s.ree, s.grr, s.bll);
}

// Overwrites ba, ob34 and the picture's ba1 (and ba2, ba3) for the pixels
// that follow.
void scheme17(State& s, Canvas& c, Spot at) {
    stored(s.ba, abs(Num(s.ba)));
    stored(s.ob34, Num(s.r3) + s.r4 + s.r5);
    stored(s.ba1, Num(s.ba) * s.r3 / s.ob34 * s.rmax);
    stored(s.ba2, Num(s.ba) * s.r4 / s.ob34 * s.rmax);
    stored(s.ba3, Num(s.ba) * s.r5 / s.ob34 * s.rmax);
    const Num lift = 1.0 - ln(sqrt(Num(s.ba)));  // fails, with every level, for ba = 0
    stored(s.re, Num(s.re0) * abs(sin(ln(Num(s.ba1) * s.r6 + s.r3)) + lift));
    stored(s.gr, Num(s.gr0) * abs(sin(ln(Num(s.ba2) * s.r7 + s.r4)) + lift));
    stored(s.bl, Num(s.bl0) * abs(sin(ln(Num(s.ba3) * s.r8 + s.r5)) + lift));
    finishAndPaint(s, c, at);
}

// The logarithms read the fields as they stand: the previous pixel's levels,
// then the levels just computed.
void scheme18(State& s, Canvas& c, Spot at) {
    stored(s.re, product(s, s.r3, s.r4) + ln(Num(s.gr) * s.bl));
    stored(s.gr, product(s, s.r5, s.r6) + ln(Num(s.re) * s.bl));
    stored(s.bl, product(s, s.r7, s.r8) + ln(Num(s.re) * s.gr));
    largestLevel(s);
    divideByLargest(s, 255);
    stored(s.re, abs(Num(s.re) * s.r3 * s.r4));
    stored(s.gr, abs(Num(s.gr) * s.r5 * s.r6));
    stored(s.bl, abs(Num(s.bl) * s.r7 * s.r8));
    largestLevel(s);
    divideByLargest(s, s.baza);
    finishAndPaint(s, c, at);
}

void scheme19(State& s, Canvas& c, Spot at) {
    stored(s.re, productMax(s, s.r3, s.r4));
    stored(s.gr, productMax(s, s.r5, s.r6));
    stored(s.bl, productMax(s, s.r7, s.r8));
    shiftLevels(s);
    finishAndPaint(s, c, at);
}

void scheme20(State& s, Canvas& c, Spot at) {
    crossOver(s);  // first: it reads the previous pixel's levels
    stored(s.re, productMax(s, s.r3, s.r4) + s.ree);
    stored(s.gr, productMax(s, s.r5, s.r6) + s.grr);
    stored(s.bl, productMax(s, s.r7, s.r8) + s.bll);
    shiftLevels(s);
    finishAndPaint(s, c, at);
}

void scheme21(State& s, Canvas& c, Spot at) {
    stored(s.re, abs(Num(s.ba) * s.fre * s.r3));
    stored(s.gr, abs(Num(s.ba) * s.fgr * s.r4));
    stored(s.bl, abs(Num(s.ba) * s.fbl * s.r5));
    if (s.re > 300) stored(s.re, abs(sin(Num(s.rmin))) * 255);
    if (s.gr > 300) stored(s.gr, abs(sin(Num(s.rmin))) * 255);
    if (s.bl > 300) stored(s.bl, abs(sin(Num(s.rmin))) * 255);
    finishAndPaint(s, c, at);
}

// Scheme t at index t - 1.
constexpr std::array<Scheme, 21> kSchemes = {
    scheme1,  scheme2,  scheme3,  scheme4,  scheme5,  scheme6,  scheme7,
    scheme8,  scheme9,  scheme10, scheme11, scheme12, scheme13, scheme14,
    scheme15, scheme16, scheme17, scheme18, scheme19, scheme20, scheme21,
};

}  // namespace

void channelScheme(GenerationState& s, Canvas& canvas, Spot at, int tip) {
    if (tip >= 1 && tip <= static_cast<int>(kSchemes.size())) kSchemes[static_cast<std::size_t>(tip) - 1](s, canvas, at);
}

}  // namespace momentart::colouring
