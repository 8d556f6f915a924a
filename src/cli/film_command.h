// `momentart film`: a picture growing, as a film (MP4, WebM, APNG or
// animated WebP), without a window.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace momentart {

// Runs the command with the arguments after `film`; returns the exit status
// (0 written, 1 not written, 2 bad input, 130 interrupted).
int filmCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Whether the command with these arguments stamps the picture (and so needs
// Qt's fonts): every time unless --no-stamp is given for a fresh picture.
bool filmDrawsText(const QStringList& arguments);

// The help text of the command.
QString filmHelp();

}  // namespace momentart
