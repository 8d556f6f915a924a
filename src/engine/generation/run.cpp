#include "engine/generation/run.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "engine/generation/draws.h"
#include "engine/generation/catalogue.h"
#include "engine/generation/geometry.h"
#include "engine/generation/geometry_reads.h"
#include "engine/generation/pixel_work.h"
#include "engine/generation/visit_executors.h"
#include "engine/failure.h"
#include "engine/stamp.h"
#include "engine/state_rules.h"

namespace momentart {

namespace {

std::string pictureName(const CalendarTime& t) {
    char name[32];
    std::snprintf(name, sizeof name, "T%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return name;
}

// The switches derived from what the catalogue wrote: which of v1, v2 the
// type fixed, whether it fixed the colouring, whether it fixed the zoom.
void deriveSwitches(GenerationState& s) {
    if (s.v1 == 0 && s.v2 == 0) s.forma = 0;
    if (s.v1 > 0 && s.v2 == 0) s.forma = 1;
    if (s.v1 > 0 && s.v2 > 0) s.forma = 2;
    s.barvanje = (s.barve == 0 && s.tip == 0) ? 0 : 1;
    if (s.barve > 0 && s.tip == 0) s.barvanje = 2;
    s.zum = s.osx == 0 ? 0 : 1;
}

// Completes the free selectors and draws the picture's parameters, in this
// exact order.
void drawParameters(GenerationState& s, RunPlan& run) {
    Pcg32& rnd = s.rnd;
    drawFormula(s, rnd);
    drawScheme(s, rnd);
    drawZoom(s, rnd);
    s.nacin = s.nac;
    s.negativ = s.negat != 0 ? s.negat : drawWhole(rnd, 2, 1);
    run.krizanje = s.kriz;
    s.osy = s.osx;
    run.v1run = s.v1;
    run.v2run = s.v2;
    run.v1alt = drawWhole(rnd, 15, 1);
    run.v2alt = drawWhole(rnd, 15, 1);
    s.i0 = 0;
    s.j0 = 0;
    s.nb3 = 255;
    s.ba = 0;
    drawColouring(s, rnd);
}

}  // namespace

RunPlan planRun(GenerationState& s, Clock& clock, const RunOptions& options) {
    if (const auto problem = unreachableField(s))
        fail<std::invalid_argument>("no run can start from this state: " + std::string(problem->field) +
                                    " is not " + problem->expected);
    s.sir = 600;
    s.vis = 450;
    s.zamikx = 0;
    s.zamiky = 0;
    izborslike(s, options.forcedType);
    deriveSwitches(s);
    const std::uint32_t timerSeed = clock.timerSeed();
    s.rnd.seed(timerSeed);
    s.imeslike = pictureName(clock.now());
    RunPlan run;
    drawParameters(s, run);
    // A variation draws from its own generator, so the picture's generator
    // runs on exactly as in the picture itself.
    const VariationKind varied = options.variation.kind;
    Pcg32 variation = variationGenerator(timerSeed, options.variation.seed);
    redrawPart(s, run, varied, variation);
    run.frame = placeCentres(s, s.rnd);
    if (varied == VariationKind::Centres) run.frame = placeCentres(s, variation);
    return run;
}

bool makeimage(GenerationState& s, Canvas& canvas, RunHost& host, const RunOptions& options) {
    canvas.clear();
    RunPlan run = planRun(s, host.clock, options);
    // A scaled run: the same plan on a lattice K times as fine.
    const int scale = options.scale;
    s.sir = Canvas::kWidth * scale;
    s.vis = Canvas::kHeight * scale;
    scaleFrame(run.frame, s, scale);

    const PixelWork work(run, scale, pictureReads(s, run) | options.alsoComputed, options.maths);
    const VisitTask task{s,
                         canvas,
                         work,
                         static_cast<int>(s.nacin),
                         static_cast<int>(s.sir),
                         static_cast<int>(s.vis),
                         scale,
                         host.observer,
                         options.visitLimit};
    if (!visitOnThreads(task, options.jobs)) return false;

    if (host.printer != nullptr) signimage(s, canvas, *host.printer, scale);
    if (run.krizanje == 2) {
        s.v1 = run.v1run;
        s.v2 = run.v2run;
    }
    s.change = 0;
    // The user's clipboard is left alone: emptying it after every picture
    // would throw away whatever they had copied elsewhere.
    return true;
}

}  // namespace momentart
