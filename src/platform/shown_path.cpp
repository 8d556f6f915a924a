#include "platform/shown_path.h"

#include <algorithm>

#include <QDir>

namespace momentart {

namespace {

bool isControl(QChar c) { return c.category() == QChar::Other_Control; }

QString escaped(QChar c) {
    switch (c.unicode()) {
        case '\n': return QStringLiteral("\\n");
        case '\t': return QStringLiteral("\\t");
        case '\r': return QStringLiteral("\\r");
        case '"': return QStringLiteral("\\\"");
        case '\\': return QStringLiteral("\\\\");
        default: break;
    }
    if (!isControl(c)) return QString(c);
    const bool wide = c.unicode() > 0xff;
    return (wide ? QStringLiteral("\\u") : QStringLiteral("\\x")) +
           QString::number(c.unicode(), 16).rightJustified(wide ? 4 : 2, '0');
}

}  // namespace

QString shownPath(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    if (std::none_of(native.begin(), native.end(), isControl)) return native;
    QString quoted = QStringLiteral("\"");
    for (QChar c : native) quoted += escaped(c);
    return quoted + '"';
}

}  // namespace momentart
