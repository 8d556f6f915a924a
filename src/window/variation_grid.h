// The variations grid over Picture1 (key V): the picture shown in the middle
// of a 3 x 3 grid and its eight variations around it, as the session makes
// them; C, O, F and Z choose the part varied (centres at first). A click,
// or Enter or 1-9 after moving the focus frame with the arrow keys, takes a
// variation; the middle, Escape or V closes the grid. Its caption, which
// the window shows in the status bar, says so.
#pragma once

#include <QWidget>
#include <cstdint>

namespace momentart {

class PictureSession;

class VariationGrid final : public QWidget {
public:
    VariationGrid(PictureSession& session, QWidget* parent = nullptr);

    // The cell (0..8, row by row; 4 is the picture itself) at a point, or -1.
    static int cellAt(QPoint point);
    // The variation seed shown in a cell (0 for the middle one).
    static std::uint32_t seedOfCell(int cell);
    // Where a cell is drawn.
    static QRect cellRect(int cell);
    // The cell the focus frame is on.
    int focusCell() const { return focus_; }
    // How to use the grid and the part it varies now.
    QString caption() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Shows or hides the grid as the session says, and repaints it.
    void refresh();
    // Takes the variation of a cell; the middle one closes the grid.
    void take(int cell);

    PictureSession& session_;
    int focus_ = 4;
};

}  // namespace momentart
