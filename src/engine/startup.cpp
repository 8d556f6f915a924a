#include "engine/startup.h"

namespace momentart {

void startup(GenerationState& s, std::uint32_t timerSeed) {
    s.imeslike = "prazno";
    s.tekst1 = kAuthorWeb;
    s.tekst2 = kAttribution;
    s.change = 0;
    s.izbors = 0;
    s.sir0 = 1030;
    s.vis0 = 770;
    s.vsehbarv = 16777215;
    s.rnd.seed(timerSeed);
    s.ib = 400;
    // The first pixel of the first picture reads these as the previous
    // pixel's levels.
    s.re = 301;
    s.gr = 301;
    s.bl = 301;
    s.i = 260;
    s.j = 64;
}

}  // namespace momentart
