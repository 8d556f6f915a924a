// Conversions between the engine's canvas and Qt images.
#pragma once

#include <QImage>

#include "engine/canvas.h"

namespace momentart {

// The canvas, from row `firstRow` down, as an RGB image. Throws
// std::bad_alloc when the image's memory cannot be had.
QImage toQImage(const Canvas& canvas, int firstRow = 0);

// The same while threads may still be painting the canvas (a frame of a
// picture growing on several threads): each pixel as it was before or after
// its store.
QImage toQImageWhilePainted(const Canvas& canvas);

// The canvas as a 24-bit RGB image (3 bytes a pixel): what files are written
// from; a large one converted on `jobs` threads. Throws std::bad_alloc when
// the image's memory cannot be had.
QImage toRgb888(const Canvas& canvas, int jobs = 1);

// Copies an image's pixels into the canvas from row `firstRow` down (as far
// as both reach).
void fromQImage(const QImage& image, Canvas& canvas, int firstRow = 0);

// Marks the image as made for a screen of 96 dots per inch, the resolution
// the picture box works at (9 points are 12 pixels there).
void setScreenResolution(QImage& image);

}  // namespace momentart
