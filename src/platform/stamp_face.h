// The stamp's face, DejaVu Sans, loaded from its file rather than found by
// name: a missing face must not silently become another one, which would
// stamp other pixels.
#pragma once

#include <QString>
#include <optional>

namespace momentart {

// Where Debian's fonts-dejavu-core puts the face.
inline constexpr const char* kStampFaceFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// The family name of the face in `file`, registered with Qt, or nothing when
// the file is missing or not a font. Needs the application object.
std::optional<QString> loadFace(const QString& file);

// The stamp's face from kStampFaceFile, loaded once.
std::optional<QString> stampFace();

// One line: the face is missing, and how to install it.
QString missingStampFaceMessage();

}  // namespace momentart
