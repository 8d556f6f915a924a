// Lets the user watch a picture grow: after each line of a run it shows the
// canvas in Picture1, spreading the picture over `pace` seconds and showing
// frames at about the display's refresh rate. Between frames it lets the
// window repaint, but keeps the user's input queued until the run is over.
#pragma once

#include <QElapsedTimer>

#include "engine/host.h"

class QWidget;

namespace momentart {

class PictureView;

class PacingObserver final : public RunObserver {
public:
    // `paceSeconds`: how long a whole picture takes to appear (0: as fast
    // as it is computed). `frameSeconds`: the display's frame interval.
    PacingObserver(PictureView& view, double paceSeconds, double frameSeconds);

    void progress(const Canvas& canvas, long visited, long total) override;

    // Frames shown during this run.
    long frames() const { return frames_; }

private:
    double elapsed() const;
    void present(const Canvas& canvas);

    PictureView& view_;
    double pace_;
    double frame_;
    QElapsedTimer clock_;
    double lastFrame_ = 0;
    long frames_ = 0;
};

// The frame interval of the screen a widget is on (1/60 s when unknown).
double frameSecondsOf(const QWidget* widget);

}  // namespace momentart
