// Many pictures at once: each from a fresh state with its own seed, on a few
// worker threads, each written to its own file in one folder.
#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include "engine/host.h"
#include "engine/interest.h"

namespace momentart {

// One picture of the batch, written (or found already there).
struct BatchPicture {
    QString path;
    QString name;
    int type = 0;
    std::uint32_t seed = 0;
    bool alreadyThere = false;  // found in the folder, not written now
};

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
    // Dull pictures (engine/interest.h) are not written: the seeds go on
    // until `count` pictures are, or kMissesPerPicture * count seeds in a
    // row gave none.
    bool skipDull = false;
    // What counts as dull: isDull, unless a test asks for something else.
    std::function<bool(const Interest&)> dull = isDull;
    // Pictures of this batch already whole in the folder, by seed
    // (findWholePictures): not made again.
    std::map<std::uint32_t, BatchPicture> alreadyThere;
};

// How many seeds in a row, for each picture asked for, may be dull before a
// batch that skips dull pictures gives up.
inline constexpr long long kMissesPerPicture = 100;

struct BatchOutcome {
    int written = 0;          // with those already there
    int alreadyThere = 0;     // pictures found whole in the folder, not made again
    int skipped = 0;          // dull pictures not written
    bool gaveUp = false;      // too many dull seeds in a row
    bool outOfSeeds = false;  // the last seed, 4294967295, was reached first
    QString error;            // what stopped the batch, if anything: a file not written, no memory
};

// The file name (without folder and extension) of a batch picture:
// "<name>-type<T>-seed<S>".
QString batchFileBase(const QString& name, int type, std::uint32_t seed);

// How many seeds the plan may try from its first: its count, or with
// skipDull every seed up to the last one.
int seedsToTry(const BatchPlan& plan);

// Renders and writes the plan's pictures (those already there are counted
// as written, and with skipDull measured again). Each is exactly what a
// single render of its seed and type gives, and carries its recipe.
// Existing files are never replaced: a clash gets -2, -3, ... added. Seeds
// are decided in order, so a batch that skips dull pictures writes the
// first passing seeds whatever the number of workers. `done` is called
// after each file (and each picture already there) and `skipped` after each
// dull seed, on a worker's thread, one call at a time.
// Once `stop` is set (or a file cannot be written) no further picture is
// started; those under way are finished and written.
BatchOutcome runBatch(const BatchPlan& plan, const std::atomic<bool>& stop,
                      const std::function<void(const BatchPicture&)>& done = {},
                      const std::function<void(std::uint32_t seed)>& skipped = {});

}  // namespace momentart
