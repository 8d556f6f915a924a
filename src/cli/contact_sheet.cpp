#include "cli/contact_sheet.h"

#include <QGuiApplication>
#include <QPainter>

#include "cli/sheet_command.h"
#include "platform/image_convert.h"

namespace momentart {

namespace {

constexpr int kGap = 10;
constexpr int kHeadingHeight = 36;
constexpr int kLabelLineHeight = 16;
constexpr int kLabelHeight = kSheetLabelLines * kLabelLineHeight + 4;
constexpr QRgb kLabelColour = 0xffd8d8d8;

QPoint cellCorner(const SheetGrid& grid, int n) {
    return {kGap + (n % grid.columns) * (grid.picture.width() + kGap),
            kHeadingHeight + (n / grid.columns) * (grid.picture.height() + kLabelHeight + kGap)};
}

}  // namespace

QRect sheetPictureRect(const SheetGrid& grid, int n) { return {cellCorner(grid, n), grid.picture}; }

QRect sheetLabelRect(const SheetGrid& grid, int n) {
    const QPoint corner = cellCorner(grid, n);
    return {corner.x(), corner.y() + grid.picture.height(), grid.picture.width(), kLabelHeight};
}

QSize contactSheetSize(const SheetGrid& grid, int entries) {
    const int rows = std::max(1, (entries + grid.columns - 1) / grid.columns);
    return {kGap + grid.columns * (grid.picture.width() + kGap),
            kHeadingHeight + rows * (grid.picture.height() + kLabelHeight + kGap)};
}

QFont sheetFont(int pixels, bool bold) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QImage layOutContactSheet(const SheetGrid& grid, const QString& heading,
                          const QList<SheetEntry>& entries) {
    QImage sheet(contactSheetSize(grid, static_cast<int>(entries.size())), QImage::Format_RGB32);
    setScreenResolution(sheet);
    sheet.fill(kSheetBackground);
    QPainter painter(&sheet);
    painter.setPen(QColor::fromRgb(kLabelColour));
    painter.setFont(sheetFont(18, false));
    painter.drawText(QRect(kGap, 0, sheet.width() - 2 * kGap, kHeadingHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, heading);
    painter.setFont(sheetFont(13, false));
    for (int n = 0; n < entries.size(); ++n) {
        const QRect place = sheetPictureRect(grid, n);
        painter.drawImage(place.topLeft(), entries[n].picture.scaled(place.size(), Qt::IgnoreAspectRatio,
                                                                     Qt::SmoothTransformation));
        const QRect label = sheetLabelRect(grid, n);
        for (int line = 0; line < std::min<int>(kSheetLabelLines, entries[n].label.size()); ++line) {
            const QRect row(label.left(), label.top() + 2 + line * kLabelLineHeight, label.width(),
                            kLabelLineHeight);
            painter.drawText(row, Qt::AlignHCenter | Qt::AlignVCenter,
                             painter.fontMetrics().elidedText(entries[n].label[line], Qt::ElideMiddle,
                                                              row.width()));
        }
    }
    painter.end();
    return sheet;
}

}  // namespace momentart
