// How interesting a finished picture is to look at, and whether it is dull:
// three figures computed from the canvas alone.
#pragma once

#include <string>

#include "engine/canvas.h"

namespace momentart {

// The thresholds of dullness, kept here and nowhere else.
inline constexpr double kDullCommonShare = 0.85;  // dull when one colour covers at least this share
inline constexpr double kDullSpread = 12;         // dull when the brightness spread is under this

// The figures are taken over the rows above the stamp (rows 0 to
// kStampTop - 1, K times as many in a picture of scale K), which the stamp
// never touches, so a picture measures the same with its stamp or without
// it.
struct Interest {
    double common = 0;  // share of the pixels that have the most common colour, 0..1
    double spread = 0;  // standard deviation of the brightness (luma 0..255)
    double detail = 0;  // mean absolute brightness difference of neighbouring pixels
};

// Measures `canvas` on up to `jobs` threads (the same figures for any
// number). Brightness is the luma 0.299 R + 0.587 G + 0.114 B; neighbours
// are the pairs side by side and one above the other. Throws std::bad_alloc
// when the memory for counting the colours cannot be had.
Interest measureInterest(const Canvas& canvas, int jobs = 1);

// One colour covers nearly all of it, or its brightness barely varies.
bool isDull(const Interest& interest);

// "common=0.03 spread=61.2 detail=23.5": the text key of a PNG and the line
// `render` prints.
std::string interestText(const Interest& interest);

}  // namespace momentart
