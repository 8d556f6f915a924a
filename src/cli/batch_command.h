// `momentart render --count N`: a batch of pictures into a folder, with
// progress on stderr.
#pragma once

#include <QString>
#include <QTextStream>

#include "cli/batch_render.h"

namespace momentart {

// How a written picture is named in the progress lines: its file, name,
// type and seed.
QString batchProgressLine(const BatchPicture& picture);

struct BatchRequest {
    BatchPlan plan;       // folder not yet created
    bool quiet = false;
    bool goOn = false;    // --continue: the pictures already in the folder are kept
};

// Runs the batch; returns the exit status (0 done, 1 a file or the folder
// could not be written, 130 interrupted).
int runBatchCommand(BatchRequest request, QTextStream& err);

}  // namespace momentart
