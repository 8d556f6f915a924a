#include "engine/colouring/painting.h"

#include <cmath>

namespace momentart::colouring {

std::optional<long long> wholeIn(double v, double lo, double hi) {
    if (!finite(v)) return std::nullopt;
    const double r = roundHalfEven(v);
    if (r < lo || r > hi) return std::nullopt;
    return static_cast<long long>(r);
}

namespace {

constexpr double kTopColour = 16777215;  // white, the largest colour number

// The set-pixel operation takes single-precision coordinates; the canvas
// ignores points outside the picture, so far-off ones are dropped here before
// they could overflow the conversion.
void setPixel(Canvas& canvas, Spot at, ColourNumber colour) {
    const auto x = static_cast<float>(roundHalfEven(static_cast<float>(at.px)));
    const auto y = static_cast<float>(roundHalfEven(static_cast<float>(at.py)));
    if (!(x >= 0.0f && x < static_cast<float>(canvas.width()) && y >= 0.0f && y < static_cast<float>(canvas.height()))) return;
    canvas.set(static_cast<int>(x), static_cast<int>(y), colour);
}

// One level of a colour: 0..255, or nothing when the painting must fail.
std::optional<int> channel(Num level) {
    const auto whole = wholeIn(level.v, -32768, 32767);
    if (!whole || *whole < 0) return std::nullopt;
    return *whole > 255 ? 255 : static_cast<int>(*whole);
}

}  // namespace

void paintLevels(Canvas& canvas, Spot at, Num red, Num green, Num blue) {
    const auto r = channel(red), g = channel(green), b = channel(blue);
    if (!r || !g || !b) return;
    setPixel(canvas, at, colourOf(*r, *g, *b));
}

void paintColourNumber(Canvas& canvas, Spot at, Num number) {
    const auto n = wholeIn(number.v, -2147483648.0, 2147483647.0);
    if (!n || *n < 0 || *n > kTopColour) return;
    setPixel(canvas, at, static_cast<ColourNumber>(*n));
}

}  // namespace momentart::colouring
