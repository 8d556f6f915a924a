// The texts of a PNG file, read with libpng. Its pixels are decoded to be
// sure the file is whole, then dropped. A text chunk larger than a limit is
// never read into memory, and no text is inflated beyond that limit.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/image_files.h"

namespace momentart {

struct PngTexts {
    bool isPng = false;     // the file begins as a PNG does
    ImageTexts texts;       // every text read, in the order of the file
    QStringList tooLarge;   // the keys of texts longer than kLargestPngText, not read
    QString error;          // why the file could not be read (when isPng)
    QString dropped;        // why a text chunk was left out unread, if one was
};

// The most bytes a PNG text chunk may have, and a text once inflated.
inline constexpr qint64 kLargestPngText = 1024 * 1024;

// Reads the texts of the PNG file `path`.
PngTexts readPngTexts(const QString& path);

}  // namespace momentart
