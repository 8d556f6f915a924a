#include "cli/batch_command.h"

#include <QDir>
#include <chrono>

#include "cli/batch_continue.h"
#include "cli/progress.h"
#include "platform/interrupt.h"
#include "platform/options.h"
#include "platform/pictures_folder.h"
#include "platform/shown_path.h"

namespace momentart {

QString batchProgressLine(const BatchPicture& picture) {
    return QString("%1  %2 type %3 seed %4%5")
        .arg(shownPath(picture.path), picture.name)
        .arg(picture.type)
        .arg(picture.seed)
        .arg(picture.alreadyThere ? " (already there)" : "");
}

namespace {

QString pictures(int count) { return QString("%1 %2").arg(count).arg(count == 1 ? "picture" : "pictures"); }

// ", 2 seeds skipped: their pictures were there already, 3 dull pictures
// skipped", or nothing.
QString skippedNote(const BatchOutcome& outcome) {
    QString note;
    if (outcome.alreadyThere > 0)
        note += QString(", %1 %2 skipped: %3 there already")
                    .arg(outcome.alreadyThere)
                    .arg(outcome.alreadyThere == 1 ? "seed" : "seeds")
                    .arg(outcome.alreadyThere == 1 ? "its picture was" : "their pictures were");
    if (outcome.skipped > 0)
        note += QString(", %1 dull %2 skipped").arg(outcome.skipped).arg(outcome.skipped == 1 ? "picture" : "pictures");
    return note;
}

// ", 1 damaged picture set aside as X.png.damaged", or nothing.
QString setAsideNote(const QStringList& setAside) {
    if (setAside.isEmpty()) return {};
    if (setAside.size() == 1)
        return ", 1 damaged picture set aside as " + shownPath(setAside.first());
    return QString(", %1 damaged pictures set aside as <name>.damaged").arg(setAside.size());
}

}  // namespace

int runBatchCommand(BatchRequest request, QTextStream& err) {
    BatchPlan& plan = request.plan;
    if (const QString error = ensureFolder(plan.folder); !error.isEmpty()) {
        err << "momentart render: " << error << "\n";
        return 1;
    }
    QStringList setAside;
    if (request.goOn) {
        FolderPictures found = findBatchPictures(plan);
        plan.alreadyThere = std::move(found.whole);
        QString error;
        setAside = setAsideDamaged(found.damaged, error);
        if (!error.isEmpty()) {
            err << "momentart render: " << error << "\n";
            return 1;
        }
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

    const QString folder = shownPath(plan.folder);
    // Pictures found there already are counted apart from those written now.
    const int made = outcome.written - outcome.alreadyThere;
    const QString written =
        QString("%1 of %2 pictures written to %3").arg(made).arg(plan.count - outcome.alreadyThere).arg(folder) +
        skippedNote(outcome) + setAsideNote(setAside);
    if (!outcome.error.isEmpty()) {
        err << "momentart render: " << outcome.error << " (" << written << ")\n";
        return 1;
    }
    if (outcome.gaveUp || outcome.outOfSeeds) {
        const QString why =
            outcome.gaveUp
                ? QString("%1 seeds in a row gave only dull pictures").arg(kMissesPerPicture * plan.count)
                : QString("no seeds are left after %1").arg(kLastSeed);
        err << "momentart render: stopped: " << why << "; " << written << "\n";
        return 1;
    }
    if (outcome.written < plan.count) {
        if (!request.quiet) err << "momentart render: interrupted: " << written << "\n";
        return kInterruptedStatus;
    }
    if (!request.quiet)
        err << pictures(made) << " written to " << folder << skippedNote(outcome) << setAsideNote(setAside) << "\n";
    return 0;
}

}  // namespace momentart
