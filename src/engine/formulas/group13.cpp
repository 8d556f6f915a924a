// Formula group 13: products, quotients and trigonometric functions of the
// nearest and farthest distances rmin and rmax, some mixed with the coordinates
// and with r4..r8. ln(rmax) and ln(r7 + r8) take no abs.
#include "engine/formulas/bank.h"

namespace momentart {

Num group13(const GenerationState& s, int v2) {
    const Num x = s.x, y = s.y, r3 = s.r3, r4 = s.r4, r5 = s.r5, r6 = s.r6, r7 = s.r7, r8 = s.r8,
              rmin = s.rmin, rmax = s.rmax;
    switch (v2) {
        case 1: return r3 * rmin;
        case 2: return rmax / r3;
        case 3: return rmin * rmax;
        case 4: return rmax / rmin;
        case 5: return x * sin(rmin) + y * cos(rmax);
        case 6: return abs(y * ln(abs(x * sin(rmax) * y * tan(rmin))));
        case 7: return rmin * tan(rmax);
        case 8: return rmax * tan(rmax);
        case 9: return pow(ln(abs(rmin * cos(rmax) * rmax * sin(rmin))), rmax / rmin);
        case 10: return rmin * tan(rmax) * ln(r7 + r8) * sin(r6) * cos(x);
        case 11: return sin(r5) * tan(ln(pow(rmax, rmin))) * sqrt(abs(r4 * r5));
        case 12: return (rmin * ln(rmax) + rmax * cos(rmin)) * (r6 / rmin);
        case 13: return (tan(rmin) + ln(rmax)) * sqrt(abs((x + r7) / (y + r8)));
        case 14: return sin(cos(tan(rmax))) * rmin;
        case 15: return sin(cos(tan(rmax))) * rmin + (x * sin(rmin) + y * cos(rmax));
        default: return kFail;
    }
}

}  // namespace momentart
