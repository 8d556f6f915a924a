// Conversions between the engine's canvas and Qt images.
#pragma once

#include <QImage>

#include "engine/canvas.h"

namespace momentart {

// The canvas as a 600 x 450 RGB image.
QImage toQImage(const Canvas& canvas);

// Copies a 600 x 450 image's pixels into the canvas.
void fromQImage(const QImage& image, Canvas& canvas);

// Marks the image as made for a screen of 96 dots per inch, the resolution
// the picture box works at (9 points are 12 pixels there).
void setScreenResolution(QImage& image);

}  // namespace momentart
