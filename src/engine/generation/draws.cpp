#include "engine/generation/draws.h"

#include <cmath>

namespace momentart {

namespace {

// The picture's colouring parameters, drawn in this order: Rnd * n + k, or
// Int(Rnd * n + k) where `whole`.
struct PictureDraw {
    double GenerationState::*field;
    double n, k;
    bool whole;
};
using S = GenerationState;
constexpr PictureDraw kPictureDraws[] = {
    {&S::ba1, 100, 100, false},    {&S::f1, 10, 0, false},        {&S::f2, 10, 0, false},
    {&S::f3, 10, 0, false},        {&S::fba2, 10, -5, false},     {&S::frgb02, 3, 1, true},
    {&S::frgb03, 3, 1, true},      {&S::f06, 1000, 200, false},   {&S::f09, 55, 200, false},
    {&S::remin, 5, 2, false},      {&S::remax, 300, 100, false},  {&S::grmin, 5, 2, false},
    {&S::grmax, 300, 100, false},  {&S::blmin, 5, 2, false},      {&S::blmax, 300, 100, false},
    {&S::bamax, 10000, 10000, false}, {&S::fre, 50, 50, false},   {&S::fgr, 50, 50, false},
    {&S::fbl, 50, 50, false},      {&S::m1, 40, 180, false},      {&S::m2, 60, 270, false},
    {&S::re0, 300, 0, true},       {&S::gr0, 300, 0, true},       {&S::bl0, 300, 0, true},
    {&S::baza, 200, 250, true},    {&S::dre, 200, -100, true},    {&S::dgr, 200, -100, true},
    {&S::dbl, 200, -100, true},    {&S::krgb, 27, 1, true},
};

}  // namespace

void drawFormula(GenerationState& s, Pcg32& rnd) {
    if (s.forma == 1) {
        s.v2 = drawWhole(rnd, 15, 1);
    } else if (s.forma != 2) {
        s.v1 = drawWhole(rnd, 15, 1);
        s.v2 = drawWhole(rnd, 15, 1);
    }
}

void drawScheme(GenerationState& s, Pcg32& rnd) {
    if (s.barvanje == 2) s.tip = drawWhole(rnd, 20, 1);
}

void drawZoom(GenerationState& s, Pcg32& rnd) {
    if (s.zum != 1) s.osx = drawReal(rnd, 5, 5);
}

void drawColouring(GenerationState& s, Pcg32& rnd) {
    for (const PictureDraw& draw : kPictureDraws)
        s.*draw.field = draw.whole ? drawWhole(rnd, draw.n, draw.k) : drawReal(rnd, draw.n, draw.k);
}

}  // namespace momentart
