#include "engine/generation/run.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "engine/colouring/colouring.h"
#include "engine/formulas/bank.h"
#include "engine/generation/catalogue.h"
#include "engine/generation/geometry.h"
#include "engine/generation/geometry_reads.h"
#include "engine/generation/visiting_orders.h"
#include "engine/stamp.h"
#include "engine/state_rules.h"

namespace momentart {

namespace {

// Int(Rnd * n + k) with Rnd widened to double.
double drawWhole(Pcg32& rnd, double n, double k) { return std::floor(rnd.rndDouble() * n + k); }
// Rnd * n + k with Rnd widened to double.
double drawReal(Pcg32& rnd, double n, double k) { return rnd.rndDouble() * n + k; }

std::string pictureName(const CalendarTime& t) {
    char name[32];
    std::snprintf(name, sizeof name, "T%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return name;
}

// The picture's colouring parameters, drawn in this order: Rnd * n + k, or
// Int(Rnd * n + k) where `whole`.
struct PictureDraw {
    double GenerationState::*field;
    double n, k;
    bool whole;
};
using S = GenerationState;
constexpr PictureDraw kPictureDraws[] = {
    {&S::ba1, 100, 100, false},    {&S::f1, 10, 0, false},        {&S::f2, 10, 0, false},
    {&S::f3, 10, 0, false},        {&S::fba2, 10, -5, false},     {&S::frgb02, 3, 1, true},
    {&S::frgb03, 3, 1, true},      {&S::f06, 1000, 200, false},   {&S::f09, 55, 200, false},
    {&S::remin, 5, 2, false},      {&S::remax, 300, 100, false},  {&S::grmin, 5, 2, false},
    {&S::grmax, 300, 100, false},  {&S::blmin, 5, 2, false},      {&S::blmax, 300, 100, false},
    {&S::bamax, 10000, 10000, false}, {&S::fre, 50, 50, false},   {&S::fgr, 50, 50, false},
    {&S::fbl, 50, 50, false},      {&S::m1, 40, 180, false},      {&S::m2, 60, 270, false},
    {&S::re0, 300, 0, true},       {&S::gr0, 300, 0, true},       {&S::bl0, 300, 0, true},
    {&S::baza, 200, 250, true},    {&S::dre, 200, -100, true},    {&S::dgr, 200, -100, true},
    {&S::dbl, 200, -100, true},    {&S::krgb, 27, 1, true},
};

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
    if (s.forma == 1) {
        s.v2 = drawWhole(rnd, 15, 1);
    } else if (s.forma != 2) {
        s.v1 = drawWhole(rnd, 15, 1);
        s.v2 = drawWhole(rnd, 15, 1);
    }
    if (s.barvanje == 2) s.tip = drawWhole(rnd, 20, 1);
    if (s.zum != 1) s.osx = drawReal(rnd, 5, 5);
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
    for (const PictureDraw& draw : kPictureDraws)
        s.*draw.field = draw.whole ? drawWhole(rnd, draw.n, draw.k) : drawReal(rnd, draw.n, draw.k);
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
    s.rnd.seed(clock.timerSeed());
    s.imeslike = pictureName(clock.now());
    RunPlan run;
    drawParameters(s, run);
    run.frame = placeCentres(s, s.rnd);
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
