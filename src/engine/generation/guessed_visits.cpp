// visitOnThreads: one picture's visits split across threads, exactly.
//
// The state carries from visit to visit, so a visit's result depends on all
// visits before it. The visiting sequence is cut into one region of whole
// lines per thread, of about equal numbers of visits. The first region is
// visited from the true state. Every other region is visited at the same time
// from a guessed entry state: the state before the first visit, with the
// generator where the known number of draws before the region leaves it.
// Each thread paints its own region's pixels and keeps its state after its
// visits 1, 2, 4, 8, ...
//
// Then, region by region in order, the true entry state is known (the end of
// the region before). The region is visited again from it only until the
// state after a visit equals the kept state after the same visit; from there
// on the guessed run was exact, and so are its pixels and its end state. The
// positions visited again were painted anew.
//
// Where the state never converges (feedback formulas carry `ba` along), the
// second visit runs through the whole region: the two passes together take as
// long as visiting everything in order on one thread.
//
// The generator's state at every line is predicted with its jump-ahead, and
// every line's end is checked against the prediction; should one ever
// disagree, the picture is made again on one thread from the start.
#include <algorithm>
#include <atomic>
#include <vector>

#include "engine/generation/visit_executors.h"
#include "engine/state_fields.h"
#include "engine/threads.h"

namespace momentart {

namespace {

// A line of the order, with the generator's state predicted at its first
// visit and after its last, and the number of visits before it.
struct PlannedLine {
    VisitLine line;
    Pcg32 start, end;
    long before = 0;
};

// Records the order's lines, moving a copy of the generator on by each line's
// draws as the visits would.
class LinePlanner final : public LineVisitor {
public:
    LinePlanner(Pcg32& rnd, int drawsPerVisit) : rnd_(rnd), draws_(drawsPerVisit) {}

    void line(const VisitLine& line) override {
        PlannedLine planned{line, rnd_, {}, visits_};
        rnd_.advance(static_cast<std::uint64_t>(line.visits()) * static_cast<std::uint64_t>(draws_));
        planned.end = rnd_;
        visits_ += line.visits();
        lines.push_back(planned);
    }

    std::vector<PlannedLine> lines;

private:
    Pcg32& rnd_;
    int draws_;
    long visits_ = 0;
};

// One thread's share of the lines.
struct Region {
    explicit Region(PixelGeometry g) : geometry(std::move(g)) {}
    std::size_t firstLine = 0, endLine = 0;
    PixelGeometry geometry;  // of its positions, in order
    GenerationState guess;  // the entry state it was visited from
    // The state after visit `after` (1, 2, 4, ... of the region).
    struct Snapshot {
        long after;
        GenerationState state;
    };
    std::vector<Snapshot> snapshots;
    GenerationState end;  // the state after its last visit
};

class SplitRun {
public:
    SplitRun(const VisitTask& task, std::vector<PlannedLine> lines, int jobs)
        : task_(task), lines_(std::move(lines)), total_(visitCount(task.lastColumn, task.lastRow)) {
        // Regions of about equal numbers of visits.
        for (int r = 0; r < jobs; ++r) regions_.emplace_back(task.work.geometry());
        std::size_t line = 0;
        long visited = 0;
        for (std::size_t r = 0; r < regions_.size(); ++r) {
            regions_[r].firstLine = line;
            const long upTo = total_ * static_cast<long>(r + 1) / jobs;
            while (line < lines_.size() && (visited < upTo || r + 1 == regions_.size()))
                visited += lines_[line++].line.visits();
            regions_[r].endLine = line;
            regions_[r].guess = task.s;
            if (regions_[r].firstLine < lines_.size())
                regions_[r].guess.rnd = lines_[regions_[r].firstLine].start;
        }
    }

    // Both passes. Afterwards complete(), mispredicted() or stopped.
    void run() {
        GenerationState truth = task_.s;
        onThreads(static_cast<int>(regions_.size()), [&](int r) {
            if (r == 0)
                visitLines(truth, regions_[0], nullptr);
            else
                guessRegion(regions_[r]);
        });
        for (std::size_t r = 1; r < regions_.size() && !failed(); ++r) {
            confirm(regions_[r], truth);
            if (!failed()) tellFinal(regions_[r]);
        }
        if (failed()) return;
        // The geometry of the positions is the same whatever the state: the
        // regions' own, one after the other, are that of the whole order.
        PixelGeometry whole = regions_[0].geometry;
        for (std::size_t r = 1; r < regions_.size(); ++r) whole.continueWith(regions_[r].geometry);
        task_.work.settle(whole, truth);
        task_.s = truth;
    }

    bool mispredicted() const { return mispredicted_.load(); }
    bool stopped() const { return stopped_.load(); }

private:
    bool failed() const { return mispredicted() || stopped(); }

    void guessRegion(Region& region) {
        GenerationState s = region.guess;
        visitLines(s, region, &region);
        region.end = s;
    }

    // Visits the region's lines with `s`, keeping snapshots in `keep` if
    // given; checks the generator at each line's end.
    void visitLines(GenerationState& s, Region& region, Region* keep) {
        long after = 0;
        long nextSnapshot = 1;
        for (std::size_t n = region.firstLine; n < region.endLine && !failed(); ++n) {
            const PlannedLine& planned = lines_[n];
            // Between lines a lattice order draws its next offset: the
            // prediction already holds where that leaves the generator.
            s.rnd = planned.start;
            planned.line.forEach([&](int column, int row) {
                task_.work.visit(s, region.geometry, task_.canvas, column, row);
                if (keep != nullptr && ++after == nextSnapshot) {
                    keep->snapshots.push_back({after, s});
                    nextSnapshot *= 2;
                }
            });
            lineDone(s, planned);
            // The first region is visited from the true state: its lines are
            // final as soon as their generator checks out.
            if (keep == nullptr && !failed() && task_.observer != nullptr)
                task_.observer->lineFinal(task_.canvas, planned.line, planned.before);
        }
    }

    // A confirmed region's lines, told in order.
    void tellFinal(const Region& region) {
        if (task_.observer == nullptr) return;
        for (std::size_t n = region.firstLine; n < region.endLine; ++n)
            task_.observer->lineFinal(task_.canvas, lines_[n].line, lines_[n].before);
    }

    // Brings `truth` from the region's true entry state to its true end.
    void confirm(const Region& region, GenerationState& truth) {
        if (sameNumbersAndGenerator(truth, region.guess)) {
            truth = region.end;
            return;
        }
        long after = 0;
        std::size_t snapshot = 0;
        bool converged = false;
        PixelGeometry again = task_.work.geometry();
        for (std::size_t n = region.firstLine; n < region.endLine && !converged && !failed(); ++n) {
            const PlannedLine& planned = lines_[n];
            truth.rnd = planned.start;
            const bool whole = planned.line.forEach([&](int column, int row) {
                // The position is this region's alone: clearing it first
                // undoes what the guessed run may have painted there.
                task_.canvas.set(column, row, 0);
                task_.work.visit(truth, again, task_.canvas, column, row);
                ++after;
                if (snapshot < region.snapshots.size() && region.snapshots[snapshot].after == after) {
                    converged = sameNumbersAndGenerator(truth, region.snapshots[snapshot].state);
                    ++snapshot;
                }
                return !converged;
            });
            if (whole) lineDone(truth, planned);
        }
        if (converged) truth = region.end;
    }

    // After a line: the generator must stand where predicted; the observer
    // hears of it (one call at a time) and may stop the run.
    void lineDone(const GenerationState& s, const PlannedLine& planned) {
        if (!(s.rnd == planned.end)) mispredicted_.store(true);
        if (task_.observer == nullptr) return;
        const long visited = visited_.fetch_add(planned.line.visits()) + planned.line.visits();
        const Turn turn(observerLock_);
        task_.observer->progress(task_.canvas, std::min(visited, total_), total_);
        if (task_.observer->stopRequested()) stopped_.store(true);
    }

    const VisitTask& task_;
    const std::vector<PlannedLine> lines_;
    long total_;
    std::vector<Region> regions_;
    std::atomic<long> visited_{0};
    TurnLock observerLock_;
    std::atomic<bool> mispredicted_{false};
    std::atomic<bool> stopped_{false};
};

}  // namespace

bool visitOnThreads(const VisitTask& task, int jobs) {
    const std::optional<int> draws = task.work.drawsPerVisit(task.s);
    if (usableThreads(jobs) <= 1 || !draws || task.visitLimit > 0) return visitInSequence(task);

    Pcg32 rnd = task.s.rnd;
    LinePlanner planner(rnd, *draws);
    // An order that does not exist is the sequential visit's to refuse.
    if (!visitInOrder(task.nacin, task.lastColumn, task.lastRow, rnd, planner, task.scale))
        return visitInSequence(task);
    const std::size_t lines = planner.lines.size();
    if (lines < 2) return visitInSequence(task);

    const GenerationState before = task.s;
    SplitRun run(task, std::move(planner.lines),
                 static_cast<int>(std::min<std::size_t>(lines, static_cast<std::size_t>(jobs))));
    run.run();
    if (!run.mispredicted()) {
        if (run.stopped()) return false;
        if (task.s.rnd == rnd) return true;
    }
    // The draws went otherwise than predicted: the picture again, in order.
    task.s = before;
    task.canvas.clear();
    return visitInSequence(task);
}

}  // namespace momentart
