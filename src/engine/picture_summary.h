// What a picture is, in the terms people use to talk about it: its name,
// type, seed, formulas, colouring and drawing mode. Read from its recipe by
// planning the run again (no pixel is computed), so it costs microseconds.
#pragma once

#include <cstdint>
#include <string>

#include "engine/recipe.h"

namespace momentart {

struct PictureSummary {
    std::string name;        // imeslike after the run, e.g. "T20261208101502"
    int type = 0;            // izbor, 9..66
    std::uint32_t seed = 0;  // the seed the run read from the timer
    int group = 0;           // formula group 1..16 (v1)
    int formula = 0;         // formula 1..15 within the group (v2)
    bool cross = false;      // cross mode 2: each pixel takes one of two formula pairs
    int crossGroup = 0;      // the second pair of cross mode (v1alt, v2alt)
    int crossFormula = 0;
    int family = 0;          // colouring family barve (2, 3 or 5)
    int scheme = 0;          // colouring scheme tip within the family
    int drawingMode = 0;     // nacin: the order in which pixels are visited
};

PictureSummary summarizePicture(const Recipe& recipe);

}  // namespace momentart
