#include "window/variation_part.h"

#include <QStringList>
#include <array>
#include <utility>

namespace momentart {

namespace {

// Each part's key, in the order the caption names them.
constexpr std::array<std::pair<int, VariationKind>, 4> kPartKeys{{
    {Qt::Key_C, VariationKind::Centres},
    {Qt::Key_O, VariationKind::Colours},
    {Qt::Key_F, VariationKind::Formula},
    {Qt::Key_Z, VariationKind::Zoom},
}};

}  // namespace

std::optional<VariationKind> variationPartOfKey(int key) {
    for (const auto& [partKey, kind] : kPartKeys)
        if (partKey == key) return kind;
    return std::nullopt;
}

QString variationGridCaption(VariationKind part, int fixedByType) {
    QStringList keys;
    for (const auto& [partKey, kind] : kPartKeys)
        keys << QString("%1 %2").arg(QChar(partKey)).arg(QString::fromUtf8(variationName(kind)));
    const QString name = QString::fromUtf8(variationName(part));
    const QString varied = fixedByType == 0
                               ? "Varying the " + name
                               : QString("Type %1 fixes the %2: nothing to vary").arg(fixedByType).arg(name);
    return varied + " (" + keys.join(", ") + "). Arrows move the frame, Enter or 1-9 takes one, Escape closes";
}

}  // namespace momentart
