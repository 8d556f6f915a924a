// Texts put into a PNG that another encoder wrote (an APNG from FFmpeg,
// which writes none): the chunks are made by libpng, as in every PNG of
// ours, and go right after the header chunk, where readers find them before
// the first image.
#pragma once

#include <QString>

#include "platform/image_files.h"

namespace momentart {

// Rewrites the PNG file `path` with `texts` added. Returns why it failed, or
// nothing; on failure the file is as it was.
QString addPngTexts(const QString& path, const ImageTexts& texts);

}  // namespace momentart
