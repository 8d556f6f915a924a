#include "platform/stamp_face.h"

#include <QFontDatabase>
#include <QStringList>

namespace momentart {

std::optional<QString> loadFace(const QString& file) {
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0) return std::nullopt;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) return std::nullopt;
    return families.first();
}

std::optional<QString> stampFace() {
    static const std::optional<QString> face = loadFace(kStampFaceFile);
    return face;
}

QString missingStampFaceMessage() {
    return QString("the stamp's face DejaVu Sans is missing (%1): install it with "
                   "'apt-get install fonts-dejavu-core', or leave the stamp out with --no-stamp")
        .arg(kStampFaceFile);
}

}  // namespace momentart
