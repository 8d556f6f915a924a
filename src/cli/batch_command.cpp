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
    const BatchOutcome outcome = runBatch(plan, interrupt.flag(), [&](const BatchPicture& picture) {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        progress.step(batchProgressLine(picture), elapsed.count());
    });
    progress.finish();

    const QString folder = QDir::toNativeSeparators(plan.folder);
    if (!outcome.error.isEmpty()) {
        err << "momentart render: " << outcome.error << " (" << outcome.written << " of "
            << plan.count << " pictures written to " << folder << ")\n";
        return 1;
    }
    if (outcome.written < plan.count) {
        if (!request.quiet)
            err << "momentart render: interrupted: " << outcome.written << " of " << plan.count
                << " pictures written to " << folder << "\n";
        return kInterruptedStatus;
    }
    if (!request.quiet)
        err << plan.count << (plan.count == 1 ? " picture" : " pictures") << " written to " << folder
            << "\n";
    return 0;
}

}  // namespace momentart
