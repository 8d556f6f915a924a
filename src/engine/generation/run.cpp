#include "engine/generation/run.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "engine/colouring/colouring.h"
#include "engine/formulas/bank.h"
#include "engine/generation/draws.h"
#include "engine/generation/catalogue.h"
#include "engine/generation/geometry.h"
#include "engine/generation/geometry_reads.h"
#include "engine/generation/visiting_orders.h"
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

// What one visit of a pixel does, and telling the observer as lines finish.
class PixelWork final : public PixelVisitor {
public:
    PixelWork(GenerationState& s, Canvas& canvas, const RunPlan& run, GeometryReads reads,
              RunObserver* observer, long total)
        : s_(s), canvas_(canvas), frame_(run.frame), geometry_(run.frame, reads), run_(run),
          observer_(observer), total_(total) {}

    void visit(int column, int row) override {
        s_.i = column;
        s_.j = row;
        s_.x = frame_.worldX(column);
        s_.y = frame_.worldY(row);
        geometry_.at(s_);
        if (run_.krizanje != 1) {
            // Cross mode 2: each pixel takes one of the two formula pairs.
            if (drawWhole(s_.rnd, 2, 1) == 1) {
                s_.v2 = run_.v2run;
                s_.v1 = run_.v1run;
            } else {
                s_.v2 = run_.v2alt;
                s_.v1 = run_.v1alt;
            }
        }
        barvanivo1(s_);
        barvanivo2(s_, canvas_);
        ++visited_;
    }

    // After the last pixel: the geometry the picture did not read, as the
    // full computation would have left it.
    void finish() { geometry_.settle(s_); }

    void lineDone() override {
        if (observer_ != nullptr) observer_->progress(canvas_, visited_, total_);
    }

private:
    GenerationState& s_;
    Canvas& canvas_;
    const Frame& frame_;
    PixelGeometry geometry_;
    const RunPlan& run_;
    RunObserver* observer_;
    long total_;
    long visited_ = 0;
};

}  // namespace

RunPlan planRun(GenerationState& s, Clock& clock, const RunOptions& options) {
    if (const auto problem = unreachableField(s))
        throw std::invalid_argument("no run can start from this state: " + std::string(problem->field) +
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

void makeimage(GenerationState& s, Canvas& canvas, RunHost& host, const RunOptions& options) {
    canvas.clear();
    const RunPlan run = planRun(s, host.clock, options);
    const int lastColumn = static_cast<int>(s.sir);
    const int lastRow = static_cast<int>(s.vis);
    PixelWork work(s, canvas, run, pictureReads(s, run) | options.alsoComputed, host.observer,
                   visitCount(lastColumn, lastRow));
    // The state check at the start of the run admits only the five modes.
    if (!visitInOrder(static_cast<int>(s.nacin), lastColumn, lastRow, s.rnd, work))
        throw std::logic_error("drawing mode " + std::to_string(s.nacin) + " has no visiting order");
    work.finish();

    if (host.printer != nullptr) signimage(s, canvas, *host.printer);
    if (run.krizanje == 2) {
        s.v1 = run.v1run;
        s.v2 = run.v2run;
    }
    s.change = 0;
    // The user's clipboard is left alone: emptying it after every picture
    // would throw away whatever they had copied elsewhere.
}

}  // namespace momentart
