#include "engine/stamp.h"

#include <cmath>

namespace momentart {

std::string stampedTypeNumber(double izbor) {
    return " " + std::to_string(static_cast<long long>(std::llround(izbor)));
}

void signimage(const GenerationState& s, Canvas& canvas, TextPrinter& printer) {
    struct Item {
        int x;
        std::string text;
    };
    const Item items[] = {
        {12, s.imeslike},
        {220, s.tekst1},
        {420, s.tekst2},
        {580, stampedTypeNumber(s.izbor)},
    };
    for (const Item& item : items)
        printer.print(canvas, item.x, kStampTop, item.text, kStampPoints, kStampColour);
}

}  // namespace momentart
