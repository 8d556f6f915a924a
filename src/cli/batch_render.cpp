#include "cli/batch_render.h"

#include <QDir>
#include <QImage>
#include <climits>
#include <map>
#include <optional>
#include <mutex>
#include <new>
#include <vector>

#include "engine/generation/catalogue.h"
#include "platform/image_convert.h"
#include "platform/image_files.h"
#include "platform/options.h"
#include "platform/picture_file.h"
#include "platform/renderer.h"
#include "platform/worker_pool.h"

namespace momentart {

namespace {

// One seed's picture on its way: rendered or found already there (unless
// the batch was stopping), measured when dull ones are skipped.
struct Candidate {
    std::uint32_t seed = 0;
    std::unique_ptr<RenderedPicture> picture;
    const BatchPicture* alreadyThere = nullptr;
    std::optional<Interest> interest;
    bool dull = false;

    bool present() const { return picture != nullptr || alreadyThere != nullptr; }
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
            if (!decided.present() || enough()) continue;
            if (decided.dull) {
                dullSeeds.push_back(decided.seed);
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

// Renders the candidate's seed, or takes its picture already there; and
// measures it when dull pictures are skipped. Throws std::bad_alloc when a
// picture's memory cannot be had.
void prepare(Candidate& candidate, const BatchPlan& plan) {
    if (const auto there = plan.alreadyThere.find(candidate.seed); there != plan.alreadyThere.end()) {
        candidate.alreadyThere = &there->second;
        if (plan.skipDull) {
            const std::unique_ptr<Canvas> canvas = canvasOfScale(plan.scale);
            fromQImage(QImage(there->second.path), *canvas);
            candidate.interest = measureInterest(*canvas);
        }
    } else {
        RenderSettings settings;
        settings.seed = candidate.seed;
        settings.type = plan.type;
        settings.stamp = plan.stamp;
        settings.scale = plan.scale;
        settings.moment = plan.moment;
        candidate.picture = std::make_unique<RenderedPicture>(renderFresh(settings));
        if (plan.skipDull) candidate.interest = measureInterest(*candidate.picture->canvas);
    }
    if (candidate.interest) candidate.dull = plan.dull(*candidate.interest);
}

// Writes an accepted picture under the first free name of its seed's;
// `error` says why not.
BatchPicture writeAccepted(const Candidate& accepted, const BatchPlan& plan, QString& error) {
    const RenderedPicture& picture = *accepted.picture;
    BatchPicture written;
    written.name = QString::fromStdString(picture.state.imeslike);
    written.type = imageType(picture.state);
    written.seed = picture.recipe.seed;
    const QString path = QDir(plan.folder).filePath(batchFileBase(written.name, written.type, written.seed) + ".png");
    const WriteResult result = writePicture(path, *picture.canvas, picture.recipe, picture.state,
                                            IfTaken::NextFreeName, accepted.interest);
    written.path = result.path;
    if (!result.ok) error = result.error;
    return written;
}

}  // namespace

int seedsToTry(const BatchPlan& plan) {
    if (!plan.skipDull) return plan.count;
    return static_cast<int>(std::min<unsigned long long>(INT_MAX, kLastSeed - plan.firstSeed + 1));
}

QString batchFileBase(const QString& name, int type, std::uint32_t seed) {
    return QString("%1-type%2-seed%3").arg(name).arg(type).arg(seed);
}

BatchOutcome runBatch(const BatchPlan& plan, const std::atomic<bool>& stop,
                      const std::function<void(const BatchPicture&)>& done,
                      const std::function<void(std::uint32_t seed)>& skipped) {
    BatchOutcome outcome;
    std::mutex reportLock;
    SeedOrder order(plan);
    std::atomic<bool> halt{false};  // the caller's stop, enough pictures, or a failure
    const int seeds = seedsToTry(plan);

    forEachOnThreads(seeds, plan.jobs, halt, [&](int n) {
        Candidate candidate;
        candidate.seed = plan.firstSeed + static_cast<std::uint32_t>(n);
        if (!stop.load() && !order.finished()) {
            try {
                prepare(candidate, plan);
            } catch (const std::bad_alloc&) {
                std::lock_guard guard(reportLock);
                if (outcome.error.isEmpty())
                    outcome.error = QString("not enough memory for a picture of %1 x %2 pixels")
                                        .arg(Canvas::kWidth * plan.scale)
                                        .arg(Canvas::kHeight * plan.scale);
                halt.store(true);
                return;
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
            QString error;
            const BatchPicture written =
                accept.alreadyThere != nullptr ? *accept.alreadyThere : writeAccepted(accept, plan, error);

            std::lock_guard guard(reportLock);
            if (!error.isEmpty()) {
                if (outcome.error.isEmpty()) outcome.error = "cannot write " + error;
                halt.store(true);
                continue;
            }
            ++outcome.written;
            outcome.alreadyThere += written.alreadyThere;
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
