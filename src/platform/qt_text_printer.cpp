#include "platform/qt_text_printer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "platform/image_convert.h"
#include "platform/stamp_face.h"

namespace momentart {

void QtTextPrinter::print(Canvas& canvas, std::span<const TextLine> lines, int points,
                          ColourNumber colour) {
    // Without its face the stamp is left out rather than drawn in another
    // face; the command line refuses to render then (missingStampFaceMessage).
    const std::optional<QString> face = stampFace();
    if (!face) return;
    QImage image = toQImage(canvas);
    setScreenResolution(image);
    {
        QPainter painter(&image);
        // One fixed face, loaded from its file, so the window and the command
        // line (on whatever platform plugin) stamp the same pixels.
        QFont font(*face);
        font.setStyleHint(QFont::SansSerif);
        font.setPointSize(points);
        // Plain pixels in the text colour, as a picture box prints them.
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.setPen(QColor(redOf(colour), greenOf(colour), blueOf(colour)));
        // (x, y) is the top-left corner of a line, not its baseline.
        const QFontMetrics metrics(font, &image);
        for (const TextLine& line : lines)
            painter.drawText(line.x, line.y + metrics.ascent(), QString::fromStdString(line.text));
    }
    fromQImage(image, canvas);
}

}  // namespace momentart
