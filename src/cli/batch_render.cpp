#include "cli/batch_render.h"

#include <QSet>
#include <mutex>

#include "engine/generation/catalogue.h"
#include "platform/image_files.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "platform/worker_pool.h"

namespace momentart {

namespace {

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

}  // namespace

QString batchFileBase(const QString& name, int type, std::uint32_t seed) {
    return QString("%1-type%2-seed%3").arg(name).arg(type).arg(seed);
}

BatchOutcome runBatch(const BatchPlan& plan, const std::atomic<bool>& stop,
                      const std::function<void(const BatchPicture&)>& done) {
    BatchOutcome outcome;
    std::mutex reportLock;
    NameBook names(plan.folder);
    std::atomic<bool> halt{false};  // the caller's stop, or a failure

    forEachOnThreads(plan.count, plan.jobs, halt, [&](int n) {
        if (stop.load()) {
            halt.store(true);
            return;
        }
        RenderSettings settings;
        settings.seed = plan.firstSeed + static_cast<std::uint32_t>(n);
        settings.type = plan.type;
        settings.stamp = plan.stamp;
        settings.moment = plan.moment;
        const RenderedPicture picture = renderFresh(settings);

        BatchPicture written;
        written.name = QString::fromStdString(picture.state.imeslike);
        written.type = imageType(picture.state);
        written.seed = settings.seed;
        written.path = names.take(batchFileBase(written.name, written.type, written.seed));
        const WriteResult result =
            writePicture(written.path, *picture.canvas, picture.recipe, picture.state, false);

        std::lock_guard guard(reportLock);
        if (!result.ok) {
            if (outcome.error.isEmpty()) outcome.error = result.error;
            halt.store(true);
            return;
        }
        ++outcome.written;
        if (done) done(written);
        if (stop.load()) halt.store(true);
    });
    return outcome;
}

}  // namespace momentart
