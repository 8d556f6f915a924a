// Contact sheets of pictures: each scaled down into a grid cell with a label
// of a line or two under it, and a heading along the top. The variation
// sheets of `vary` and the folder sheets of `sheet` use it.
#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace momentart {

// One picture of a sheet and the lines of its label.
struct SheetEntry {
    QImage picture;     // any size; scaled into the cell
    QStringList label;  // at most kSheetLabelLines lines
};

inline constexpr int kSheetLabelLines = 2;

// Where the cells of a sheet go.
struct SheetGrid {
    int columns = 8;
    QSize picture{200, 150};  // each picture's cell, a picture scaled down
};

// The rectangle of entry `n`'s picture and of its label on a sheet of `grid`.
QRect sheetPictureRect(const SheetGrid& grid, int n);
QRect sheetLabelRect(const SheetGrid& grid, int n);
// The size of a sheet of `entries` pictures.
QSize contactSheetSize(const SheetGrid& grid, int entries);

// The sheets' label face: the application font at `pixels` high.
QFont sheetFont(int pixels, bool bold);

// Lays out the sheet: the heading, then each entry's picture and label.
QImage layOutContactSheet(const SheetGrid& grid, const QString& heading,
                          const QList<SheetEntry>& entries);

}  // namespace momentart
