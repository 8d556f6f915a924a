// A file written under a hidden temporary name beside the place it is
// meant for (held_temporary.h), and renamed into place only when whole: for
// writers that need a path of their own rather than a stream (FFmpeg's MP4
// writer opens its file again to move the index to the front). Anything
// unfinished is removed.
#pragma once

#include <QString>

#include "platform/held_temporary.h"
#include "platform/whole_file.h"

namespace momentart {

class TemporaryOutput {
public:
    // Makes an empty temporary file in the folder of `path`; it is removed
    // unless it is put in place.
    explicit TemporaryOutput(const QString& path);
    TemporaryOutput(const TemporaryOutput&) = delete;
    TemporaryOutput& operator=(const TemporaryOutput&) = delete;

    // Why the temporary file could not be made; empty when it was.
    const QString& error() const { return held_.error(); }
    // Where to write.
    const QString& temporaryPath() const { return held_.path(); }
    // Gives the temporary file the name it was made for, under the rule
    // `ifTaken` (whole_file.h): a file that appeared meanwhile is replaced
    // only with IfTaken::Replace. `placed` is the name taken. Returns why it
    // failed, or nothing.
    QString putInPlace(IfTaken ifTaken, QString& placed);

private:
    QString path_;
    HeldTemporary held_;
};

}  // namespace momentart
