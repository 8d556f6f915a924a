#include "cli/batch_render.h"

#include <QSet>
#include <climits>
#include <map>
#include <optional>
#include <mutex>
#include <new>
#include <vector>

#include "engine/generation/catalogue.h"
#include "platform/image_files.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "platform/worker_pool.h"

namespace momentart {

namespace {

constexpr unsigned long long kLastSeed = 4294967295ULL;

// Hands out file names that neither exist nor are being written by another
// worker.
class NameBook {
public:
    explicit NameBook(const QString& folder) : folder_(folder) {}

    QString take(const QString& base) {
        std::lock_guard guard(lock_);
        const QString path =
            freePath(folder_, base, "png", [this](const QString& p) { return taken_.contains(p); });
        taken_.insert(path);
        return path;
    }

private:
    QString folder_;
    std::mutex lock_;
    QSet<QString> taken_;
};

// One seed's picture on its way: rendered (unless the batch was stopping),
// measured when dull ones are skipped.
struct Candidate {
    std::unique_ptr<RenderedPicture> picture;
    std::optional<Interest> interest;
    bool dull = false;
};

// Seeds finish in any order; this decides them in seed order: which are
// written, which are skipped as dull, and when the batch has enough or gives
// up. Pictures that finish before the seeds below them are decided wait here.
class SeedOrder {
public:
    explicit SeedOrder(const BatchPlan& plan) : plan_(plan) {}

    // Takes the candidate of seed number `n`; returns the candidates now
    // decided to be written, and adds the seeds skipped as dull to `dullSeeds`.
    std::vector<Candidate> finish(int n, Candidate candidate, std::vector<std::uint32_t>& dullSeeds) {
        std::lock_guard guard(lock_);
        waiting_[n] = std::move(candidate);
        std::vector<Candidate> accepted;
        for (auto next = waiting_.find(next_); next != waiting_.end(); next = waiting_.find(next_)) {
            Candidate decided = std::move(next->second);
            waiting_.erase(next);
            ++next_;
            if (decided.picture == nullptr || enough()) continue;
            if (decided.dull) {
                dullSeeds.push_back(decided.picture->recipe.seed);
                if (++misses_ >= kMissesPerPicture * plan_.count) gaveUp_ = true;
            } else {
                misses_ = 0;
                ++accepted_;
                accepted.push_back(std::move(decided));
            }
        }
        return accepted;
    }

    // Enough pictures are decided on, or the batch gave up: start no more.
    bool finished() const {
        std::lock_guard guard(lock_);
        return enough();
    }
    bool gaveUp() const {
        std::lock_guard guard(lock_);
        return gaveUp_;
    }

private:
    bool enough() const { return accepted_ >= plan_.count || gaveUp_; }

    const BatchPlan& plan_;
    mutable std::mutex lock_;
    std::map<int, Candidate> waiting_;
    int next_ = 0;
    int accepted_ = 0;
    long long misses_ = 0;
    bool gaveUp_ = false;
};

// How many seeds the plan may try: its count, or with skipDull every seed
// up to the last one.
int seedsToTry(const BatchPlan& plan) {
    if (!plan.skipDull) return plan.count;
    return static_cast<int>(std::min<unsigned long long>(INT_MAX, kLastSeed - plan.firstSeed + 1));
}

}  // namespace

QString batchFileBase(const QString& name, int type, std::uint32_t seed) {
    return QString("%1-type%2-seed%3").arg(name).arg(type).arg(seed);
}

BatchOutcome runBatch(const BatchPlan& plan, const std::atomic<bool>& stop,
                      const std::function<void(const BatchPicture&)>& done,
                      const std::function<void(std::uint32_t seed)>& skipped) {
    BatchOutcome outcome;
    std::mutex reportLock;
    NameBook names(plan.folder);
    SeedOrder order(plan);
    std::atomic<bool> halt{false};  // the caller's stop, enough pictures, or a failure
    const int seeds = seedsToTry(plan);

    forEachOnThreads(seeds, plan.jobs, halt, [&](int n) {
        Candidate candidate;
        if (!stop.load() && !order.finished()) {
            RenderSettings settings;
            settings.seed = plan.firstSeed + static_cast<std::uint32_t>(n);
            settings.type = plan.type;
            settings.stamp = plan.stamp;
            settings.scale = plan.scale;
            settings.moment = plan.moment;
            try {
                candidate.picture = std::make_unique<RenderedPicture>(renderFresh(settings));
            } catch (const std::bad_alloc&) {
                std::lock_guard guard(reportLock);
                if (outcome.error.isEmpty())
                    outcome.error = QString("not enough memory for a picture of %1 x %2 pixels")
                                        .arg(Canvas::kWidth * plan.scale)
                                        .arg(Canvas::kHeight * plan.scale);
                halt.store(true);
                return;
            }
            if (plan.skipDull) {
                candidate.interest = measureInterest(*candidate.picture->canvas);
                candidate.dull = plan.dull(*candidate.interest);
            }
        }
        std::vector<std::uint32_t> dullSeeds;
        const auto accepted = order.finish(n, std::move(candidate), dullSeeds);
        if (stop.load() || order.finished()) halt.store(true);

        for (const std::uint32_t seed : dullSeeds) {
            std::lock_guard guard(reportLock);
            ++outcome.skipped;
            if (skipped) skipped(seed);
        }
        for (const Candidate& accept : accepted) {
            const RenderedPicture& picture = *accept.picture;
            BatchPicture written;
            written.name = QString::fromStdString(picture.state.imeslike);
            written.type = imageType(picture.state);
            written.seed = picture.recipe.seed;
            written.path = names.take(batchFileBase(written.name, written.type, written.seed));
            const WriteResult result = writePicture(written.path, *picture.canvas, picture.recipe, picture.state,
                                                    false, accept.interest);

            std::lock_guard guard(reportLock);
            if (!result.ok) {
                if (outcome.error.isEmpty()) outcome.error = "cannot write " + result.error;
                halt.store(true);
                continue;
            }
            ++outcome.written;
            if (done) done(written);
            if (stop.load()) halt.store(true);
        }
    });
    outcome.gaveUp = order.gaveUp();
    outcome.outOfSeeds = plan.skipDull && !outcome.gaveUp && outcome.written < plan.count &&
                         !stop.load() && outcome.error.isEmpty() && !order.finished();
    return outcome;
}

}  // namespace momentart
