// Formula group 16 (feedback): ln |cos(ln |u|) * ... * sin(y - ba)| for an
// oscillating inner term u, where ba is the field value on entry; formula 8
// adds ba cos(y) outside the logarithm. Formula 11 repeats formula 1. The
// powers x ^ 2 and x ^ 3 are powers on doubles, as everywhere in the bank.
#include "engine/formulas/bank.h"

namespace momentart {

Num group16(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, r5 = s.r5, r6 = s.r6, r7 = s.r7,
              rmin = s.rmin, ba = s.ba;
    switch (v2) {
        case 1: return ln(abs(cos(ln(abs(x * sin(x / r3)))) * x * r3 * r4 * r5 * sin(y - ba)));
        case 2: return ln(abs(cos(ln(abs(x * sin(x / r3)))) * x * r3 * sin(y - ba)));
        case 3: return ln(abs(cos(ln(abs(x * sin(x / r3)))) * x * r3 * r4 / r5 * sin(y - ba)));
        case 4: return ln(abs(cos(ln(abs(x * sin(x / r3)))) * x * r3 / r4 * r5 * sin(y - ba)));
        case 5: return ln(abs(cos(ln(abs(r3 * r4 * sin(x / r3)))) * x * sin(y - ba)));
        case 6:
            return ln(abs(cos(ln(abs(r3 * r4 * r5 * r6 * r7 * sin(x / r3)))) * x * sin(y - ba)));
        case 7:
            return ln(abs(cos(ln(abs(x * sin(x / (ba + r3))))) * x * r3 * r4 * r5 * sin(y - ba)));
        case 8:
            return ln(abs(cos(ln(abs(x * sin(x / (ba + r3))))) * x * r3 * r4 * r5 * sin(y - ba))) +
                   ba * cos(y);
        case 9: return ln(abs(cos(ln(abs(x * sin(x - ba)))) * x * r3 * r4 * r5 * sin(y - ba)));
        case 10:
            return ln(abs(cos(ln(abs(r3 * r4 * sin((x - ba) / r3 / r4)))) * x * r6 * sin(y - ba)));
        case 11: return ln(abs(cos(ln(abs(x * sin(x / r3)))) * x * r3 * r4 * r5 * sin(y - ba)));
        case 12:
            return ln(
                abs(cos(ln(abs(pow(x, 2.0) * sin(ba + x / (r3 + ba))))) * x * r3 * sin(y - ba)));
        case 13: return ln(abs(cos(ln(abs(pow(x, 3.0) * sin(x / r3)))) * x * r3 * sin(y - ba)));
        case 14:
            return ln(
                abs(cos(ln(abs(pow(x, 3.0) * sin((x + ba) / (r3 + r4 + r5))))) * sin(y - ba)));
        case 15:
            return ln(
                abs(cos(ln(abs(pow(x, 3.0) * sin((x - ba) / (x * y * rmin))))) * sin(y - ba)));
        default: return kFail;
    }
}

}  // namespace momentart
