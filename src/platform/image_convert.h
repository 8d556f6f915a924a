// Conversions between the engine's canvas and Qt images.
#pragma once

#include <QImage>

#include "engine/canvas.h"

namespace momentart {

// The canvas as a 600 x 450 RGB image.
QImage toQImage(const Canvas& canvas);

// Copies a 600 x 450 image's pixels into the canvas.
void fromQImage(const QImage& image, Canvas& canvas);

}  // namespace momentart
