// Shared set-up of the colouring tests: one pixel that passes the clipping
// test, on a canvas where that pixel is marked so "left as it was" shows.
#pragma once

#include <gtest/gtest.h>

#include "engine/colouring/colouring.h"

namespace momentart::colour_tests {

inline constexpr ColourNumber kMarker = colourOf(1, 2, 3);

struct ColourStage : ::testing::Test {
    static constexpr int kCol = 5, kRow = 7;
    GenerationState s;
    Canvas canvas;

    ColourStage() {
        s.sir0 = 1030;
        s.vis0 = 770;
        s.i = kCol;
        s.j = kRow;
        s.negativ = 1;
        canvas.set(kCol, kRow, kMarker);
    }
    void use(double barve, double tip) {
        s.barve = barve;
        s.tip = tip;
    }
    void setLevels(double re, double gr, double bl) {
        s.re = re;
        s.gr = gr;
        s.bl = bl;
    }
    void run() { barvanivo2(s, canvas); }
    ColourNumber pixel() const { return canvas.at(kCol, kRow); }
};

}  // namespace momentart::colour_tests
