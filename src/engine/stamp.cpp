#include "engine/stamp.h"

#include <cmath>

namespace momentart {

std::string stampedTypeNumber(double izbor) {
    return " " + std::to_string(static_cast<long long>(std::llround(izbor)));
}

void signimage(const GenerationState& s, Canvas& canvas, TextPrinter& printer, int scale) {
    const int top = kStampTop * scale;
    const TextLine lines[] = {
        {12 * scale, top, s.imeslike},
        {220 * scale, top, s.tekst1},
        {420 * scale, top, s.tekst2},
        {580 * scale, top, stampedTypeNumber(s.izbor)},
    };
    printer.print(canvas, lines, kStampPoints * scale, kStampColour);
}

}  // namespace momentart
