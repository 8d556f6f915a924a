#include "engine/generation/visit_executors.h"

#include <limits>
#include <stdexcept>
#include <string>

#include "engine/failure.h"

namespace momentart {

namespace {

// Visits each line as the order hands it over.
class SequentialVisitor final : public LineVisitor {
public:
    SequentialVisitor(const VisitTask& task, long total)
        : task_(task),
          geometry_(task.work.geometry()),
          total_(total),
          limit_(task.visitLimit > 0 ? task.visitLimit : std::numeric_limits<long>::max()) {}

    void line(const VisitLine& line) override {
        if (stopped_) return;
        const long before = visited_;
        const bool whole = line.forEach([&](int column, int row) {
            if (visited_ == limit_) return false;
            task_.work.visit(task_.s, geometry_, task_.canvas, column, row);
            ++visited_;
            return true;
        });
        if (!whole) {
            stopped_ = true;
            return;
        }
        if (task_.observer != nullptr) {
            task_.observer->lineFinal(task_.canvas, line, before);
            task_.observer->progress(task_.canvas, visited_, total_);
            stopped_ = task_.observer->stopRequested();
        }
    }

    bool stopped() const { return stopped_; }
    const PixelGeometry& geometry() const { return geometry_; }

private:
    const VisitTask& task_;
    PixelGeometry geometry_;
    long total_;
    long limit_;
    long visited_ = 0;
    bool stopped_ = false;
};

}  // namespace

bool visitInSequence(const VisitTask& task) {
    SequentialVisitor visitor(task, visitCount(task.lastColumn, task.lastRow));
    // The state check at the start of the run admits only the five modes.
    if (!visitInOrder(task.nacin, task.lastColumn, task.lastRow, task.s.rnd, visitor, task.scale))
        fail<std::logic_error>("drawing mode " + std::to_string(task.nacin) + " has no visiting order");
    if (visitor.stopped()) return false;
    task.work.settle(visitor.geometry(), task.s);
    return true;
}

}  // namespace momentart
