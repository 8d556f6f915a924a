// Progress of a long command on stderr: a bar redrawn in place when stderr
// is a terminal, one line per finished item when it is a file or a pipe,
// nothing with --quiet.
#pragma once

#include <QString>
#include <QTextStream>

namespace momentart {

enum class ProgressStyle { Bar, Lines, Quiet };

// The bar's line: done of total, items (`unit`) per second and the time
// left, estimated from the seconds elapsed so far, and how many were skipped.
QString progressBar(int done, int total, double elapsedSeconds, int skipped = 0,
                    const QString& unit = "pictures");

// The progress style for this process: a bar when stderr is a terminal.
ProgressStyle progressStyleForStderr(bool quiet);

class Progress {
public:
    Progress(ProgressStyle style, int total, QTextStream& err);
    void start();
    // One more item is done, `elapsedSeconds` after the start; `line` names
    // it in the Lines style.
    void step(const QString& line, double elapsedSeconds);
    // One more item was skipped; `line` says which in the Lines style.
    void skip(const QString& line, double elapsedSeconds);
    // Ends the bar's line.
    void finish();

private:
    // Redraws the bar, or writes `line`.
    void show(const QString& line, double elapsedSeconds);

    ProgressStyle style_;
    int total_;
    int done_ = 0;
    int skipped_ = 0;
    QTextStream& err_;
};

}  // namespace momentart
