#include "window/large_render.h"

#include <new>

#include "engine/canvas.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "platform/worker_pool.h"

namespace momentart {

namespace {

// Passes the run's progress on and asks it to stop when cancelled. The
// canvas is not looked at: the threads are still painting it.
class LargeObserver final : public RunObserver {
public:
    LargeObserver(std::atomic<long>& visited, std::atomic<long>& total, const std::atomic<bool>& cancel)
        : visited_(visited), total_(total), cancel_(cancel) {}
    void progress(const Canvas&, long visited, long total) override {
        total_.store(total);
        visited_.store(visited);
    }
    bool stopRequested() override { return cancel_.load(); }

private:
    std::atomic<long>& visited_;
    std::atomic<long>& total_;
    const std::atomic<bool>& cancel_;
};

}  // namespace

LargeRender::LargeRender(QObject* parent) : QObject(parent) {}

LargeRender::~LargeRender() {
    cancel();
    if (worker_.joinable()) worker_.join();
}

bool LargeRender::start(const Recipe& recipe, int scale) {
    if (running_.load()) return false;
    if (worker_.joinable()) worker_.join();
    scale_ = scale;
    cancel_.store(false);
    visited_.store(0);
    total_.store(1);
    running_.store(true);
    Recipe large = recipe;
    large.scale = scale;
    worker_ = std::thread([this, large] { work(large); });
    return true;
}

void LargeRender::cancel() { cancel_.store(true); }

double LargeRender::fraction() const {
    return static_cast<double>(visited_.load()) / static_cast<double>(std::max(1L, total_.load()));
}

void LargeRender::work(Recipe recipe) {
    bool saved = false;
    QString path, message;
    try {
        LargeObserver observer(visited_, total_, cancel_);
        const RenderedPicture picture = renderFromRecipe(recipe, &observer, everyCore());
        if (cancel_.load()) {
            message = "cancelled";
        } else {
            const SavedPicture file = savePictureToPicturesFolder(*picture.canvas, recipe, picture.state);
            saved = file.ok;
            path = file.path;
            message = file.error;
        }
    } catch (const std::bad_alloc&) {
        message = QString("not enough memory for a picture of %1 x %2 pixels")
                      .arg(Canvas::kWidth * recipe.scale)
                      .arg(Canvas::kHeight * recipe.scale);
    }
    // Told on the window's thread, once the thread's work is over.
    QMetaObject::invokeMethod(
        this,
        [this, saved, path, message] {
            running_.store(false);
            emit finished(saved, path, message);
        },
        Qt::QueuedConnection);
}

}  // namespace momentart
