// The mark a save draws above the picture column by column. The window
// paints it once the save is over: the copy takes milliseconds, too short for
// a growing bar to be seen.
#pragma once

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

}  // namespace momentart
