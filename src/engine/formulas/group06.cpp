// Formula group 6: a logarithm of a scaled quadratic term times cos(r3 x)
// (formulas 1-4), the same under a square root (5-8), and
// ln |sin(cos(...) + cos(sin(x + y)))| offset or scaled by a coordinate or a
// distance (9-15).
#include "engine/formulas/bank.h"

namespace momentart {

Num group6(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4;
    switch (v2) {
        case 1: return x + x / r3 * ln(abs(y * y / r4)) * cos(r3 * x) + y;
        case 2: return y + x / r3 * ln(abs(x * y / r4)) * cos(r3 * x) + x;
        case 3: return x + ln(abs(y / r3 * ln(abs(x * y)) * cos(r3 * x) + y));
        case 4: return x - ln(abs(y / r3 * ln(abs(x * x / r4)) * cos(r3 * x) + y)) + y;
        case 5: return x - sqrt(abs(y / r3 * ln(abs(x * x / r4)) * sin(r3 * x) + y)) * y;
        case 6: return r4 + sqrt(abs(y * r3 * ln(abs(x * x / r4)) * sin(r3 * x) + y)) * y;
        case 7: return y + ln(abs(r4 * r3 * sqrt(abs(y * y / r4)) * sin(r3 * x) + y)) + y;
        case 8: return y * ln(abs(r4 * r3 * sqrt(abs(y * y / r4)) / sin(r3 * x) + y)) + x;
        case 9: return x + ln(abs(sin(cos(r3 + r4) + cos(sin(x + y)))));
        case 10: return y + ln(abs(sin(cos(r3 + r4) + cos(sin(x + y)))));
        case 11: return x * ln(abs(sin(cos(r3 + r4) + cos(sin(x + y)))));
        case 12: return y * ln(abs(sin(cos(r3 + r4) + cos(sin(x + y)))));
        case 13: return r3 + ln(abs(sin(cos(r3 + r4) + cos(sin(x + y)))));
        case 14: return r3 + ln(abs(sin(cos(r3 * r4) + cos(sin(x + y)))));
        case 15: return r3 + ln(abs(sin(cos(r3 * r4) + cos(sin(x + y))) + sqrt(abs(x))));
        default: return kFail;
    }
}

}  // namespace momentart
