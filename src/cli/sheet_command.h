// `momentart sheet`: a contact sheet of the whole catalogue, one small
// picture of every image type 9..66 for one seed, each labelled with its
// type number.
#pragma once

#include <QImage>
#include <QList>
#include <QPainter>
#include <QRect>
#include <QStringList>
#include <QTextStream>
#include <atomic>
#include <cstdint>
#include <functional>

namespace momentart {

// One cell of the sheet: where the picture of `type` goes, and its label.
struct SheetCell {
    int type = 0;
    QRect picture;
    QRect label;
};

inline constexpr int kSheetColumns = 8;
inline constexpr int kSheetPictureWidth = 200;   // a third of the picture's size
inline constexpr int kSheetPictureHeight = 150;
inline constexpr QRgb kSheetBackground = 0xff202020;

// The 58 cells, by type, row by row.
QList<SheetCell> sheetCells();
// The size of the whole sheet.
QSize sheetSize();
// The heading strip along the top.
QRect sheetHeading();

// Draws a cell's label: its type number.
void drawSheetLabel(QPainter& painter, const QRect& label, int type);

// Renders the catalogue for `seed` (no stamps) on `jobs` threads and lays
// out the sheet; `progress` is told each type as its picture is done, one
// call at a time. Returns a null image if `stop` was set before the end.
QImage makeSheet(std::uint32_t seed, int jobs, const std::atomic<bool>& stop,
                 const std::function<void(int type)>& progress = {});

// Runs the command with the arguments after `sheet`; returns the exit
// status (0 written, 1 the file could not be written, 2 bad input, 130
// interrupted).
int sheetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

QString sheetHelp();

}  // namespace momentart
