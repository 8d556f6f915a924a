// Picture1 on screen: a sunken panel whose inside shows a canvas pixel for
// pixel.
#pragma once

#include <QFrame>
#include <QImage>

#include "engine/canvas.h"

namespace momentart {

class PictureView final : public QFrame {
public:
    explicit PictureView(QWidget* parent = nullptr);

    // Takes the canvas as it is now and asks for a repaint.
    void showCanvas(const Canvas& canvas);
    // Shows a stand-in (a thumbnail) stretched over the inside until the
    // picture itself is ready.
    void showPreview(const QImage& preview);

    // The pixels shown at present (600 x 450).
    const QImage& shown() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace momentart
