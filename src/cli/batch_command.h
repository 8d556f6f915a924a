// `momentart render --count N`: a batch of pictures into a folder, with
// progress on stderr.
#pragma once

#include <QString>
#include <QTextStream>

#include "cli/batch_render.h"

namespace momentart {

// How progress is shown: a bar redrawn in place (stderr is a terminal), one
// line per file (stderr is a file or a pipe), or nothing (--quiet).
enum class ProgressStyle { Bar, Lines, Quiet };

// The bar's line: done of total, pictures per second and the time left,
// estimated from the seconds elapsed so far.
QString progressBar(int done, int total, double elapsedSeconds);

// Shows a batch's progress on `err`.
class BatchProgress {
public:
    BatchProgress(ProgressStyle style, int total, QTextStream& err);
    void start();
    // A picture was written, `elapsedSeconds` after the start.
    void pictureDone(const BatchPicture& picture, double elapsedSeconds);
    // Ends the bar's line.
    void finish();

private:
    ProgressStyle style_;
    int total_;
    int done_ = 0;
    QTextStream& err_;
};

struct BatchRequest {
    BatchPlan plan;       // folder not yet created
    bool quiet = false;
};

// Runs the batch; returns the exit status (0 done, 1 a file or the folder
// could not be written, 130 interrupted).
int runBatchCommand(BatchRequest request, QTextStream& err);

// The progress style for this process: a bar when stderr is a terminal.
ProgressStyle progressStyleForStderr(bool quiet);

}  // namespace momentart
