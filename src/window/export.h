// saveimage: copies the picture into the export canvas, pixel by pixel,
// advancing the progress mark above the picture column by column, then writes
// the copy as a 24-bit bitmap named after the picture at a drive's root, with
// its recipe beside it (platform/bitmap_with_recipe.h). The
// window paints the mark once the save is over: the copy takes milliseconds,
// too short for a growing bar to be seen.
#pragma once

#include <QString>

#include "engine/canvas.h"
#include "engine/recipe.h"
#include "engine/state.h"
#include "platform/bitmap_with_recipe.h"

class QPainter;

namespace momentart {

// The progress mark of a save, drawn on the window: after column i a black
// bar from x = 105 to i + 104 with a white tip at i + 105, between y = 160
// and 170; when the copy is over, the bar is black from 105 to 705. It stays
// until the window is cleared.
class ProgressMark {
public:
    static constexpr int kLeft = 105;
    static constexpr int kTop = 160;
    static constexpr int kBottom = 170;

    // Column i of the copy is done: white at i + 105, then black at i + 104.
    void columnDone(int i) { column_ = i; }
    // The copy is over: one more black line at 705 covers the white tip.
    void finish() { finished_ = true; }
    // The window was cleared.
    void clear() { *this = ProgressMark(); }

    bool visible() const { return column_ > 0 || finished_; }
    bool finished() const { return finished_; }
    int column() const { return column_; }

    void paint(QPainter& painter) const;

private:
    int column_ = 0;
    bool finished_ = false;
};

// Where "save on D:" and "save on C:" write.
struct DriveRoots {
    QString d;
    QString c;
};

// On Windows the drive roots D:\ and C:\; elsewhere D: stands for the
// momentart folder of the user's Pictures folder (where Ctrl+S saves too)
// and C: for the momentart folder of Documents.
DriveRoots defaultDriveRoots();

// Makes the folder ready for a save: a default folder outside Windows is
// created when missing; a drive or a folder the user named must exist.
// Returns what went wrong, or an empty string.
QString prepareDriveRoot(const QString& root);

// Copies every pixel of `picture` into `exportCanvas` (copyForExport, which
// leaves `i` and `j` of `s` at 601 and 451), advancing `mark` column by
// column, then writes `exportCanvas` as a bitmap to `root/<imeslike>.bmp`
// (savedPictureName) with `recipe` beside it. A file holding another
// picture is kept and the next free name (`-2`, ...) taken; a bitmap that
// holds this picture already is left as it is. A failed write leaves no
// file behind and says why.
BitmapSave saveimage(GenerationState& s, const Canvas& picture, Canvas& exportCanvas, ProgressMark& mark,
                     const QString& root, const Recipe& recipe);

}  // namespace momentart
