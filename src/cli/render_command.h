// `momentart render`: one picture from the command line, without a window.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace momentart {

// Runs the command with the arguments after `render`; returns the exit
// status (0 done, 1 the file could not be written, 2 bad input).
int renderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Whether the command with these arguments stamps a picture (and so needs
// Qt's fonts): every time unless --no-stamp is given for a fresh picture.
bool renderDrawsText(const QStringList& arguments);

// The help text of the command.
QString renderHelp();

}  // namespace momentart
