#include "platform/qt_text_printer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "platform/image_convert.h"
#include "platform/stamp_face.h"

namespace momentart {

void QtTextPrinter::print(Canvas& canvas, std::span<const TextLine> lines, int points,
                          ColourNumber colour) {
    // Without its face the stamp is left out rather than drawn in another
    // face; the command line refuses to render then (missingStampFaceMessage).
    const std::optional<QString> face = stampFace();
    if (!face) return;
    // One fixed face, loaded from its file, so the window and the command
    // line (on whatever platform plugin) stamp the same pixels.
    QFont font(*face);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    // Plain pixels in the text colour, as a picture box prints them.
    font.setStyleStrategy(QFont::NoAntialias);

    // Only the band from a line's height above the highest line to the
    // bottom is drawn on: a print-size picture is not copied whole.
    QImage probe(1, 1, QImage::Format_RGB32);
    setScreenResolution(probe);
    const QFontMetrics metrics(font, &probe);
    int top = canvas.height();
    for (const TextLine& line : lines) top = std::min(top, line.y);
    const int first = std::clamp(top - metrics.height(), 0, canvas.height());
    if (first == canvas.height()) return;

    QImage band = toQImage(canvas, first);
    setScreenResolution(band);
    {
        QPainter painter(&band);
        painter.setFont(font);
        painter.setPen(QColor(redOf(colour), greenOf(colour), blueOf(colour)));
        // (x, y) is the top-left corner of a line, not its baseline.
        for (const TextLine& line : lines)
            painter.drawText(line.x, line.y - first + metrics.ascent(), QString::fromStdString(line.text));
    }
    fromQImage(band, canvas, first);
}

}  // namespace momentart
