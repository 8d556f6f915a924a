// Many pictures at once: each from a fresh state with its own seed, on a few
// worker threads, each written to its own file in one folder.
#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

#include "engine/host.h"

namespace momentart {

struct BatchPlan {
    std::uint32_t firstSeed = 0;  // the pictures get firstSeed, firstSeed + 1, ...
    int count = 1;
    int type = 0;                 // 9..66, or 0: each picture's type drawn by the catalogue
    bool stamp = true;
    int scale = 1;                // 1..16: pictures of 600 K x 450 K
    int jobs = 1;                 // worker threads
    QString folder;               // must exist
    // The moment that names every picture; by default each picture's own.
    std::optional<CalendarTime> moment;
};

// One picture of the batch, written.
struct BatchPicture {
    QString path;
    QString name;
    int type = 0;
    std::uint32_t seed = 0;
};

struct BatchOutcome {
    int written = 0;
    QString error;  // what stopped the batch, if anything: a file not written, no memory
};

// The file name (without folder and extension) of a batch picture:
// "<name>-type<T>-seed<S>".
QString batchFileBase(const QString& name, int type, std::uint32_t seed);

// Renders and writes the plan's pictures. Each is exactly what a single
// render of its seed and type gives, and carries its recipe. Existing files
// are never replaced: a clash gets -2, -3, ... added. `done` is called after
// each file, on the worker's thread, one call at a time. Once `stop` is set
// (or a file cannot be written) no further picture is started; those under
// way are finished and written.
BatchOutcome runBatch(const BatchPlan& plan, const std::atomic<bool>& stop,
                      const std::function<void(const BatchPicture&)>& done = {});

}  // namespace momentart
