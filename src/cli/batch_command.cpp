#include "cli/batch_command.h"

#include <QDir>
#include <chrono>
#include <cstdio>

#include "platform/interrupt.h"
#include "platform/pictures_folder.h"

#if defined(_WIN32)
#include <io.h>
#define momentart_isatty _isatty
#define momentart_fileno _fileno
#else
#include <unistd.h>
#define momentart_isatty isatty
#define momentart_fileno fileno
#endif

namespace momentart {

namespace {

constexpr int kBarWidth = 24;

QString duration(double seconds) {
    const long whole = static_cast<long>(seconds + 0.5);
    if (whole >= 3600)
        return QString("%1:%2:%3")
            .arg(whole / 3600)
            .arg(whole / 60 % 60, 2, 10, QChar('0'))
            .arg(whole % 60, 2, 10, QChar('0'));
    return QString("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QChar('0'));
}

}  // namespace

QString progressBar(int done, int total, double elapsedSeconds) {
    const int filled = total > 0 ? kBarWidth * done / total : 0;
    QString line = "[" + QString(filled, '#') + QString(kBarWidth - filled, '-') + "] ";
    const int digits = static_cast<int>(QString::number(total).size());
    line += QString("%1/%2").arg(done, digits).arg(total);
    if (done > 0 && elapsedSeconds > 0) {
        const double rate = done / elapsedSeconds;
        line += QString("  %1 pictures/s").arg(rate, 0, 'f', rate < 10 ? 2 : 1);
        line += "  " + duration((total - done) / rate) + " left";
    } else {
        line += "  starting";
    }
    return line;
}

BatchProgress::BatchProgress(ProgressStyle style, int total, QTextStream& err)
    : style_(style), total_(total), err_(err) {}

void BatchProgress::start() {
    if (style_ != ProgressStyle::Bar) return;
    err_ << "\r" << progressBar(0, total_, 0);
    err_.flush();
}

void BatchProgress::pictureDone(const BatchPicture& picture, double elapsedSeconds) {
    ++done_;
    switch (style_) {
    case ProgressStyle::Bar:
        // Padding covers a longer line drawn before.
        err_ << "\r" << progressBar(done_, total_, elapsedSeconds) << "    ";
        break;
    case ProgressStyle::Lines:
        err_ << QString("%1/%2 ").arg(done_).arg(total_) << QDir::toNativeSeparators(picture.path)
             << "  " << picture.name << " type " << picture.type << " seed " << picture.seed << "\n";
        break;
    case ProgressStyle::Quiet:
        break;
    }
    err_.flush();
}

void BatchProgress::finish() {
    if (style_ != ProgressStyle::Bar) return;
    err_ << "\n";
    err_.flush();
}

ProgressStyle progressStyleForStderr(bool quiet) {
    if (quiet) return ProgressStyle::Quiet;
    return momentart_isatty(momentart_fileno(stderr)) ? ProgressStyle::Bar : ProgressStyle::Lines;
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
    BatchProgress progress(style, plan.count, err);
    const auto started = std::chrono::steady_clock::now();
    progress.start();
    const BatchOutcome outcome = runBatch(plan, interrupt.flag(), [&](const BatchPicture& picture) {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        progress.pictureDone(picture, elapsed.count());
    });
    progress.finish();

    const QString folder = QDir::toNativeSeparators(plan.folder);
    if (!outcome.error.isEmpty()) {
        err << "momentart render: cannot write " << outcome.error << " (" << outcome.written << " of "
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
