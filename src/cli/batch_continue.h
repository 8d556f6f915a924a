// A batch going on after it was stopped: the pictures it already made, found
// in its folder by their recipes, and those a stop left damaged.
#pragma once

#include <cstdint>
#include <map>

#include <QStringList>

#include "cli/batch_render.h"

namespace momentart {

struct FolderPictures {
    // By seed: PNGs named as a batch names them, whole (every byte of their
    // pixels reads), whose recipe is that of a fresh start with one of the
    // plan's seeds and the plan's type, stamp and scale. The first found for
    // a seed counts.
    std::map<std::uint32_t, BatchPicture> whole;
    // Files named as a batch of the plan names its pictures that cannot be
    // read as a picture (cut short by a stop, say).
    QStringList damaged;
};

FolderPictures findBatchPictures(const BatchPlan& plan);

// Renames each damaged picture to "<name>.damaged" (or "<name>.<n>.damaged"
// when that is taken), so that the folder holds each seed's picture once
// after it is made again. Returns the new names; stops at the first file
// that cannot be renamed, with `error` saying which and why.
QStringList setAsideDamaged(const QStringList& damaged, QString& error);

}  // namespace momentart
