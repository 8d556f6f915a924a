#include "platform/screen_facts.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

#include "engine/canvas.h"
#include "engine/generation/run.h"

namespace momentart {

QSize physicalPixels(const QScreen& screen) {
    const QSize logical = screen.geometry().size();
    const double ratio = screen.devicePixelRatio();
    return {static_cast<int>(std::lround(logical.width() * ratio)),
            static_cast<int>(std::lround(logical.height() * ratio))};
}

double frameSecondsOf(const QScreen* screen) {
    const double rate = screen != nullptr ? screen->refreshRate() : 0.0;
    return rate >= 1.0 ? 1.0 / rate : 1.0 / 60.0;
}

int largestScaleFitting(QSize pixels) {
    return std::clamp(std::min(pixels.width() / Canvas::kWidth, pixels.height() / Canvas::kHeight), 1,
                      kLargestScale);
}

}  // namespace momentart
