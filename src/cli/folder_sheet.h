// `momentart sheet FOLDER|PNG...`: contact sheets of pictures already made,
// newest first, each labelled with its name, type and seed, so a batch can
// be reviewed at a glance.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "cli/contact_sheet.h"
#include "platform/options.h"

namespace momentart {

// The most pictures on one sheet; more go on further sheets.
inline constexpr int kMostPerSheet = 200;
// Eight pictures to a row, each a third of its size.
inline constexpr SheetGrid kFolderSheetGrid{8, QSize(200, 150)};

// The pictures the operands name: each folder's PNG files (not its
// subfolders) and each file given, newest first (by the time the file was
// last written), then by name. An error line when an operand is neither a
// folder nor a file.
QStringList picturesToSheet(const QStringList& operands, QString& error);

// The label of a picture on a folder sheet: its name (and its variation, if
// it is one), then its type and seed, read from the texts momentart writes;
// a PNG that carries no recipe is labelled with its file name.
QStringList folderSheetLabel(const QString& path, const QImage& image);

// The paths of `sheets` sheets: `base`.png for one, `base`-1.png,
// `base`-2.png, ... for more.
QStringList folderSheetPaths(const QString& base, int sheets);

// Runs the folder form of `sheet` with options already parsed; returns the
// exit status (0 written, 1 a file could not be written, 2 bad input, 130
// interrupted).
int folderSheetCommand(const ParsedOptions& options, QTextStream& out, QTextStream& err);

}  // namespace momentart
