// Options that several commands share, read and checked in one place: the
// worker count, and a single output file with --force (what may be
// in the way of writing it: platform/output_path.h).
#pragma once

#include <QString>
#include <QTextStream>

#include "platform/options.h"

namespace momentart {

inline constexpr unsigned long long kMostJobs = 1024;

// --jobs J (default: every core).
WholeOption jobsOption(const ParsedOptions& options);

// The momentart folder of the Pictures folder, created if missing, for a
// command given no --out: an error line when there is none (HOME not set,
// the folder cannot be made), or an empty string and `folder` set.
QString defaultOutputFolder(QString& folder);

// Whether a command with these arguments and options stamps its picture
// (and so needs Qt's fonts): a fresh picture unless --no-stamp, and one
// made from a recipe, which may say so. Arguments that do not parse count as
// stamping: the command reports them itself.
bool stampsPicture(const QStringList& arguments, const QList<OptionInfo>& table);

// A stamped picture needs the stamp's face: without it, says so as
// `command` and returns true.
bool stampFaceMissing(const char* command, bool stamp, QTextStream& err);

// --out naming a path too long to be looked up: an error line, or an empty
// string.
QString outPathLengthProblem(const ParsedOptions& options);

// --out naming one picture file (.png or .bmp) and --force, which needs it:
// an error line, or an empty string.
QString checkOutputFileOptions(const ParsedOptions& options);

}  // namespace momentart
