// `momentart render`: one picture from the command line, without a window.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace momentart {

// Runs the command with the arguments after `render`; returns the exit
// status (0 done, 1 the file could not be written, 2 bad input).
int renderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The help text of the command.
QString renderHelp();

}  // namespace momentart
