// Executors of a run's visits: they take the visiting order's lines and do
// each visit's pixel work, on one thread or split across several with the
// same pixels and the same final state.
#pragma once

#include "engine/canvas.h"
#include "engine/generation/pixel_work.h"
#include "engine/generation/visiting_orders.h"
#include "engine/host.h"
#include "engine/state.h"

namespace momentart {

// Everything the executors need for one run's visits.
struct VisitTask {
    GenerationState& s;  // the state before the first visit; after the last when done
    Canvas& canvas;
    const PixelWork& work;
    int nacin = 1;                    // the drawing mode
    int lastColumn = 0, lastRow = 0;  // sir and vis
    int scale = 1;
    RunObserver* observer = nullptr;  // told after each line (one thread) or chunk
    long visitLimit = 0;              // visits before the run stops unfinished; 0: all
};

// Visits every position in order on the calling thread, then settles the
// geometry the picture did not read. Returns false when the observer asked
// to stop or the visit limit was reached before the last visit.
bool visitInSequence(const VisitTask& task);

// The same visits on `jobs` threads (the caller's among them; one in a
// build without threads, engine/threads.h), giving
// exactly the pixels and the final state of visitInSequence (a run with a
// visit limit stays on one thread). Returns false when the observer asked to
// stop.
bool visitOnThreads(const VisitTask& task, int jobs);

}  // namespace momentart
