// Options that several commands share, read and checked in one place: the
// seed, the worker count, and a single output file with --force (what may be
// in the way of writing it: platform/output_path.h).
#pragma once

#include <QString>
#include <QTextStream>

#include "platform/options.h"

namespace momentart {

inline constexpr unsigned long long kLastSeed = 4294967295ULL;  // seeds are 32-bit
inline constexpr unsigned long long kMostJobs = 1024;

// --seed S (default: the timer now).
WholeOption seedOption(const ParsedOptions& options);

// --jobs J (default: every core).
WholeOption jobsOption(const ParsedOptions& options);

// A stamped picture needs the stamp's face: without it, says so as
// `command` and returns true.
bool stampFaceMissing(const char* command, bool stamp, QTextStream& err);

// --out naming one picture file (.png or .bmp) and --force, which needs it:
// an error line, or an empty string.
QString checkOutputFileOptions(const ParsedOptions& options);

}  // namespace momentart
