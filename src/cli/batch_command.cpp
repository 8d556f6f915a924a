#include "cli/batch_command.h"

#include <QDir>
#include <chrono>

#include "cli/progress.h"
#include "platform/interrupt.h"
#include "platform/pictures_folder.h"

namespace momentart {

QString batchProgressLine(const BatchPicture& picture) {
    return QString("%1  %2 type %3 seed %4")
        .arg(QDir::toNativeSeparators(picture.path), picture.name)
        .arg(picture.type)
        .arg(picture.seed);
}

namespace {

// ", 3 dull pictures skipped", or nothing.
QString skippedNote(int skipped) {
    if (skipped == 0) return {};
    return QString(", %1 dull %2 skipped").arg(skipped).arg(skipped == 1 ? "picture" : "pictures");
}

}  // namespace

int runBatchCommand(BatchRequest request, QTextStream& err) {
    BatchPlan& plan = request.plan;
    if (const QString error = ensureFolder(plan.folder); !error.isEmpty()) {
        err << "momentart render: " << error << "\n";
        return 1;
    }
    const ProgressStyle style = progressStyleForStderr(request.quiet);
    InterruptGuard interrupt(request.quiet ? nullptr
                                           : "\nmomentart render: stopping once the pictures under "
                                             "way are written\n");
    Progress progress(style, plan.count, err);
    const auto started = std::chrono::steady_clock::now();
    progress.start();
    const auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    const BatchOutcome outcome = runBatch(
        plan, interrupt.flag(),
        [&](const BatchPicture& picture) { progress.step(batchProgressLine(picture), seconds()); },
        [&](std::uint32_t seed) { progress.skip(QString("seed %1 is dull").arg(seed), seconds()); });
    progress.finish();

    const QString folder = QDir::toNativeSeparators(plan.folder);
    const QString written = QString("%1 of %2 pictures written to %3")
                                .arg(outcome.written)
                                .arg(plan.count)
                                .arg(folder) +
                            skippedNote(outcome.skipped);
    if (!outcome.error.isEmpty()) {
        err << "momentart render: cannot write " << outcome.error << " (" << written << ")\n";
        return 1;
    }
    if (outcome.gaveUp || outcome.outOfSeeds) {
        const QString why =
            outcome.gaveUp
                ? QString("%1 seeds in a row gave only dull pictures").arg(kMissesPerPicture * plan.count)
                : QString("no seeds are left after 4294967295");
        err << "momentart render: stopped: " << why << "; " << written << "\n";
        return 1;
    }
    if (outcome.written < plan.count) {
        if (!request.quiet) err << "momentart render: interrupted: " << written << "\n";
        return kInterruptedStatus;
    }
    if (!request.quiet)
        err << plan.count << (plan.count == 1 ? " picture" : " pictures") << " written to " << folder
            << skippedNote(outcome.skipped) << "\n";
    return 0;
}

}  // namespace momentart
