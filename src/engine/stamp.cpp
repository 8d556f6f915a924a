#include "engine/stamp.h"

#include <cmath>

namespace momentart {

std::string stampedTypeNumber(double izbor) {
    return " " + std::to_string(static_cast<long long>(std::llround(izbor)));
}

void signimage(const GenerationState& s, Canvas& canvas, TextPrinter& printer) {
    const TextLine lines[] = {
        {12, kStampTop, s.imeslike},
        {220, kStampTop, s.tekst1},
        {420, kStampTop, s.tekst2},
        {580, kStampTop, stampedTypeNumber(s.izbor)},
    };
    printer.print(canvas, lines, kStampPoints, kStampColour);
}

}  // namespace momentart
