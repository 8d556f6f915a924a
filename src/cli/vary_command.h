// `momentart vary PICTURE`: siblings of a picture, each with one part drawn
// anew from a variation seed, written with their recipes, and a sheet of the
// original beside them.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "engine/recipe.h"

namespace momentart {

// The file name (without folder and extension) of a variation:
// "<name>-type<T>-<kind>-v<V>".
QString variationFileBase(const QString& name, int type, const Variation& variation);

// Runs the command with the arguments after `vary`; returns the exit status
// (0 written, 1 a file could not be written, 2 bad input, 130 interrupted).
int varyCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

QString varyHelp();

}  // namespace momentart
