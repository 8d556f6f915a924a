#include "platform/qt_text_printer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "platform/image_convert.h"

namespace momentart {

namespace {
// The picture box works at 96 dots per inch, so 9 points are 12 pixels.
constexpr int kDotsPerMetre96 = 3780;
}  // namespace

void QtTextPrinter::print(Canvas& canvas, int x, int y, const std::string& text, int points,
                          ColourNumber colour) {
    QImage image = toQImage(canvas);
    image.setDotsPerMeterX(kDotsPerMetre96);
    image.setDotsPerMeterY(kDotsPerMetre96);
    {
        QPainter painter(&image);
        // One fixed sans-serif face, so the window and the command line (on
        // whatever platform plugin) stamp the same pixels.
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSize(points);
        // Plain pixels in the text colour, as a picture box prints them.
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.setPen(QColor(redOf(colour), greenOf(colour), blueOf(colour)));
        // (x, y) is the top-left corner of the line, not its baseline.
        const QFontMetrics metrics(font, &image);
        painter.drawText(x, y + metrics.ascent(), QString::fromStdString(text));
    }
    fromQImage(image, canvas);
}

}  // namespace momentart
