// The variations grid over Picture1 (key V): the picture on screen in the
// middle of a 3 x 3 grid and its eight centres variations around it, made
// on worker threads while the window stays free. A click on a variation
// hands it to the window; Escape or V closes the grid.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "engine/recipe.h"
#include "platform/renderer.h"

namespace momentart {

class VariationGrid final : public QWidget {
public:
    static constexpr int kVariations = 8;

    explicit VariationGrid(QWidget* parent = nullptr);
    ~VariationGrid() override;

    // Shows the grid for the picture `shown` made by `recipe` and starts
    // making its variations, with the variation seeds 1 to 8.
    void open(const QImage& shown, const Recipe& recipe);
    // Hides the grid; variations under way are finished and dropped.
    void dismiss();

    // Told when a made variation is clicked; the grid closes first.
    std::function<void(const RenderedPicture&)> chosen;

    // The cell (0..8, row by row; 4 is the picture itself) at a point, or -1.
    static int cellAt(QPoint point);
    // The variation seed shown in a cell (0 for the middle one).
    static std::uint32_t seedOfCell(int cell);
    // Where a cell is drawn.
    static QRect cellRect(int cell);
    // How many variations are made so far.
    int made() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Stops the worker and waits for the pictures under way.
    void stopWorker();

    QImage shown_;
    std::array<std::unique_ptr<RenderedPicture>, kVariations> variations_;
    std::array<QImage, kVariations> small_;  // the variations scaled into their cells
    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
};

}  // namespace momentart
