// The generation state: the one record through which start-up, the commands,
// the catalogue, the run, the formula bank, the colouring stage, the stamp and
// the export communicate. Every field keeps its value until a procedure
// assigns it again; nothing is reset between pixels or between pictures
// unless a procedure says so. Numbers are doubles (whole-valued where the
// field holds an integer); a number never assigned counts as 0.
#pragma once

#include <string>

#include "engine/exact_arithmetic.h"
#include "engine/generation/random.h"

namespace momentart {

struct GenerationState {
    // --- picture, window and naming ---
    std::string imeslike;  // the picture's name: "prazno", then "T" + 14 digits of date and time
    std::string tekst1;    // the author's web address, printed in the stamp
    std::string tekst2;    // the attribution line
    double izbors = 0;     // 1 = repeat the same image type, 0 = choose a new one
    double izbor = 0;      // the image type, 9..66
    double sir = 0, vis = 0;          // last column and row the pixel loops reach (600, 450)
    double sir0 = 0, vis0 = 0;        // paintable limits of the picture box (1030, 770)
    double zamikx = 0, zamiky = 0;    // offset added to a pixel's column and row when painting
    double osx = 0, osy = 0;          // width and height of the picture in world units
    double zum = 0;                   // 1 if the image type fixed osx
    double change = 0;                // cleared at the end of every run
    double vsehbarv = 0;              // start-up constant 0xFFFFFF
    double ib = 0;                    // level threshold of colouring scheme 1 (400)

    // --- selectors, fixed by the image type and completed by the run ---
    double v1 = 0, v2 = 0;            // formula group 1..16 and formula 1..15
    double forma = 0;                 // which of v1, v2 the type fixed: 0 neither, 1 v1, 2 both
    double barve = 0, tip = 0;        // colouring family (2, 3, 5) and scheme within it
    double barvanje = 0;              // 1 type fixed barve and tip, 2 only barve
    double nac = 0, nacin = 0;        // drawing mode given by the type, and the run's mode
    double negat = 0, negativ = 0;    // negative switch of the type (0 free) and of the run (1, 2)
    double kriz = 0;                  // cross mode of the type: 1 one formula pair, 2 two pairs
    double krgb = 0;                  // cross-over pattern of the channel levels, 1..27
    double typ = 0;                   // per-pixel coin of colouring family 5

    // --- per-pixel geometry ---
    double i = 0, j = 0;              // pixel column and row
    double x = 0, y = 0;              // the pixel's world position (y grows upwards)
    double dx3 = 0, dx4 = 0, dx5 = 0, dx6 = 0, dx7 = 0, dx8 = 0;  // |cxk - x|
    double dy3 = 0, dy4 = 0, dy5 = 0, dy6 = 0, dy7 = 0, dy8 = 0;  // |cyk - y|
    double r3 = 0, r4 = 0, r5 = 0, r6 = 0, r7 = 0, r8 = 0;        // distances to the centres
    double fi3 = 0, fi4 = 0, fi5 = 0, fi6 = 0, fi7 = 0, fi8 = 0;  // atan(dyk / dxk)
    double rmin = 0, rmax = 0;        // smallest and largest of r3..r8
    // for each pair of centres: the two distances plus the distance between the centres
    double ob34 = 0, ob35 = 0, ob36 = 0, ob37 = 0, ob38 = 0;
    double ob45 = 0, ob46 = 0, ob47 = 0, ob48 = 0;
    double ob56 = 0, ob57 = 0, ob58 = 0;
    double ob67 = 0, ob68 = 0;
    double ob78 = 0;
    double i0 = 0, j0 = 0;            // cleared at the start of each run

    // --- field value and colour levels ---
    double ba = 0;                    // the pixel's field value, carried from pixel to pixel
    double izraz = 0;                 // shared sub-expression of formula groups 11 and 12
    double re = 0, gr = 0, bl = 0;    // red, green, blue levels of the last painted pixel
    double res = 0, grs = 0, bls = 0; // last painted levels of schemes 12 to 14
    double ree = 0, grr = 0, bll = 0; // derived levels of schemes 16 and 20
    // scratch values of the colouring schemes
    double k = 0, bb = 0, rr = 0, max = 0, f = 0, k1 = 0, k2 = 0, k3 = 0, ba2 = 0, ba3 = 0;

    // --- per-picture colouring parameters, drawn by the run ---
    double ba1 = 0;                   // field scale of schemes 1 to 8
    double f1 = 0, f2 = 0, f3 = 0;    // divisors of the base levels
    double fba2 = 0;                  // field scale of colouring family 2
    double nb3 = 0;                   // modulus of the level index (255)
    double frgb02 = 0, frgb03 = 0;    // which channel schemes 2 and 3 divide or blank, 1..3
    double f06 = 0, f09 = 0;          // top level of the scaling of schemes 5 to 8, and of 9
    double remin = 0, grmin = 0, blmin = 0;  // lower level thresholds (schemes 9, 10)
    double remax = 0, grmax = 0, blmax = 0;  // replacement levels of scheme 9
    double bamax = 0;                 // level limit of schemes 13 and 14
    double fre = 0, fgr = 0, fbl = 0; // channel factors
    double m1 = 0, m2 = 0;            // factor and limit of scheme 11
    double re0 = 0, gr0 = 0, bl0 = 0; // channel bases of scheme 17
    double baza = 0;                  // top level of scheme 18
    double dre = 0, dgr = 0, dbl = 0; // channel shifts of schemes 19 and 20

    // The program's single random generator; it runs on from picture to
    // picture, reseeded from the clock at start-up and at every run.
    Pcg32 rnd;
};

}  // namespace momentart
