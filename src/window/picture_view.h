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

    // Shows a 600 x 450 image (a frame of a growing picture, a finished one,
    // or a stand-in stretched from a thumbnail).
    void showImage(const QImage& image);

    // The pixels shown at present (600 x 450).
    const QImage& shown() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace momentart
