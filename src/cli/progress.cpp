#include "cli/progress.h"

#include <cstdio>

#if defined(_WIN32)
#include <io.h>
#define momentart_isatty _isatty
#else
#include <unistd.h>
#define momentart_isatty isatty
#endif

namespace momentart {

namespace {

constexpr int kBarWidth = 24;
// The descriptor, not the C `stderr` stream: a command points that stream
// elsewhere to keep libraries quiet (main.cpp).
constexpr int kStandardErrorDescriptor = 2;

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

QString progressBar(int done, int total, double elapsedSeconds, int skipped, const QString& unit) {
    const int filled = total > 0 ? kBarWidth * done / total : 0;
    QString line = "[" + QString(filled, '#') + QString(kBarWidth - filled, '-') + "] ";
    const int digits = static_cast<int>(QString::number(total).size());
    line += QString("%1/%2").arg(done, digits).arg(total);
    if (done > 0 && elapsedSeconds > 0) {
        const double rate = done / elapsedSeconds;
        line += QString("  %1 %2/s").arg(rate, 0, 'f', rate < 10 ? 2 : 1).arg(unit);
        line += "  " + duration((total - done) / rate) + " left";
    } else {
        line += "  starting";
    }
    if (skipped > 0) line += QString("  %1 skipped").arg(skipped);
    return line;
}

ProgressStyle progressStyleForStderr(bool quiet) {
    if (quiet) return ProgressStyle::Quiet;
    return momentart_isatty(kStandardErrorDescriptor) ? ProgressStyle::Bar : ProgressStyle::Lines;
}

Progress::Progress(ProgressStyle style, int total, QTextStream& err)
    : style_(style), total_(total), err_(err) {}

void Progress::start() {
    if (style_ != ProgressStyle::Bar) return;
    err_ << "\r" << progressBar(0, total_, 0);
    err_.flush();
}

void Progress::step(const QString& line, double elapsedSeconds) {
    ++done_;
    show(QString("%1/%2 ").arg(done_).arg(total_) + line, elapsedSeconds);
}

void Progress::skip(const QString& line, double elapsedSeconds) {
    ++skipped_;
    show(QString("skipped %1: ").arg(skipped_) + line, elapsedSeconds);
}

void Progress::show(const QString& line, double elapsedSeconds) {
    switch (style_) {
    case ProgressStyle::Bar:
        // Padding covers a longer line drawn before.
        err_ << "\r" << progressBar(done_, total_, elapsedSeconds, skipped_) << "    ";
        break;
    case ProgressStyle::Lines:
        err_ << line << "\n";
        break;
    case ProgressStyle::Quiet:
        break;
    }
    err_.flush();
}

void Progress::finish() {
    if (style_ != ProgressStyle::Bar) return;
    err_ << "\n";
    err_.flush();
}

}  // namespace momentart
