// What the window and the art frame need to know of a screen: its own
// pixels (more than its logical size on a HiDPI screen), its frame
// interval, and the largest whole scale of picture that fits.
#pragma once

#include <QSize>

class QScreen;

namespace momentart {

// The screen's size in its own pixels.
QSize physicalPixels(const QScreen& screen);

// The screen's frame interval in seconds (1/60 when unknown or no screen).
double frameSecondsOf(const QScreen* screen);

// The largest whole scale K, 1..16, whose 600 K x 450 K pixels fit in
// `pixels`; 1 where not even scale 1 fits.
int largestScaleFitting(QSize pixels);

}  // namespace momentart
