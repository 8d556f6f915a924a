// A picture's texts (Software, Title, Recipe, ...) as an XMP packet, the
// metadata a WebP file carries, and read back.
#pragma once

#include <QByteArray>

#include "platform/image_files.h"

namespace momentart {

// The texts, each an element of momentart's own namespace.
QByteArray xmpOfTexts(const ImageTexts& texts);

// The texts of momentart's namespace in an XMP packet, in order; none when
// it is not well-formed XML.
ImageTexts textsOfXmp(const QByteArray& xmp);

}  // namespace momentart
