#include "shell/renderer.h"

#include "generation/run.h"
#include "shell/qt_text_printer.h"
#include "shell/startup.h"
#include "shell/system_clock.h"

namespace momentart {

RenderedPicture renderFresh(const RenderSpec& spec, RunObserver* observer) {
    RenderedPicture picture;
    startup(picture.state, spec.seed);
    FixedSeedClock clock(spec.seed);
    QtTextPrinter printer;
    RunHost host{clock, spec.stamp ? &printer : nullptr, observer};
    makeimage(picture.state, *picture.canvas, host, RunOptions{spec.type});
    return picture;
}

}  // namespace momentart
