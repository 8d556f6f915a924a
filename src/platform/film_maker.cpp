#include "platform/film_maker.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <thread>

#include "engine/growth_frames.h"
#include "engine/picture_summary.h"
#include "platform/frame_queue.h"
#include "platform/output_path.h"
#include "platform/qt_text_printer.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "platform/temporary_output.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

// Frames waiting for the encoder: enough to keep both threads busy, within
// about 64 MB.
std::size_t queueCapacity(const Canvas& canvas) {
    const std::size_t frameBytes = static_cast<std::size_t>(canvas.width()) * canvas.height() * sizeof(ColourNumber);
    return std::clamp<std::size_t>((std::size_t{64} << 20) / frameBytes, 2, 16);
}

// Encodes the frames of a queue on a thread of its own.
class Encoder {
public:
    Encoder(FilmWriter& writer, FrameQueue& queue, FilmProgress& progress, int total)
        : queue_(queue),
          thread_([this, &writer, &queue, &progress, total] {
              int written = 0;
              std::shared_ptr<const Canvas> last;
              while (std::shared_ptr<const Canvas> frame = queue.pop()) {
                  if (progress.cancelled()) break;
                  // The held picture comes as the same frame again and again.
                  error_ = frame == last ? writer.repeat() : writer.add(*frame);
                  last = std::move(frame);
                  if (!error_.isEmpty()) break;
                  progress.framesWritten(++written, total);
              }
              queue.abandon();
          }) {}
    // Left early (a failure on the way): the encoder stops at once.
    ~Encoder() {
        queue_.abandon();
        wait();
    }

    // Waits until every frame of the closed queue is encoded.
    void wait() {
        if (thread_.joinable()) thread_.join();
    }
    // Why encoding failed (read after wait()).
    const QString& error() const { return error_; }

private:
    FrameQueue& queue_;
    QString error_;
    std::thread thread_;
};

FilmOutcome failed(const QString& path, const QString& reason) {
    return {FilmOutcome::Result::Failed, shownPath(path) + ": " + reason, {}};
}

}  // namespace

int filmFrames(const FilmPlan& plan) { return (plan.seconds + plan.hold) * plan.fps; }

ImageTexts filmTexts(const Recipe& recipe) {
    const PictureSummary summary = summarizePicture(recipe);
    return recipeTexts(recipe, QString::fromStdString(summary.name), summary.type);
}

FilmOutcome makeFilm(const FilmPlan& plan, const QString& path, IfTaken ifTaken, FilmProgress& progress) {
    const QString problem = ifTaken == IfTaken::NextFreeName ? outputFolderProblem(path)
                                                             : outputPathProblem(path, ifTaken == IfTaken::Replace);
    if (!problem.isEmpty()) return {FilmOutcome::Result::Failed, problem, {}};
    const int scale = plan.recipe.scale;
    try {
        Canvas canvas(Canvas::kWidth * scale, Canvas::kHeight * scale);
        TemporaryOutput output(path);
        if (!output.error().isEmpty()) return failed(path, output.error());
        FilmSettings settings{canvas.width(), canvas.height(), plan.fps, plan.quality, filmTexts(plan.recipe)};
        QString error;
        const std::unique_ptr<FilmWriter> writer =
            openFilmWriter(filmFormatOfPath(path), output.temporaryPath(), settings, error);
        if (writer == nullptr) return failed(path, error);

        const int total = filmFrames(plan);
        progress.framesWritten(0, total);
        FrameQueue queue(queueCapacity(canvas));
        Encoder encoder(*writer, queue, progress, total);
        const auto cancelled = [&] { return progress.cancelled(); };
        const auto stop = [&] { return progress.cancelled() || queue.abandoned(); };
        bool outOfMemory = false;
        GrowthFrames growth(canvas.width(), canvas.height(), plan.seconds * plan.fps,
                            [&](const Canvas& frame, int) {
                                try {
                                    queue.push(std::make_shared<const Canvas>(frame), cancelled);
                                } catch (const std::bad_alloc&) {
                                    outOfMemory = true;
                                    queue.abandon();
                                }
                            },
                            stop);
        GenerationState state;
        QtTextPrinter printer;
        const bool grown = remake(plan.recipe, state, canvas, &printer, &growth, plan.jobs);
        if (grown) {
            // The same frame each time, so the encoder knows it is held.
            const auto finished = std::make_shared<const Canvas>(std::move(canvas));
            for (int n = 0; n < plan.hold * plan.fps; ++n)
                if (!queue.push(finished, cancelled)) break;
        }
        queue.close();
        encoder.wait();
        if (outOfMemory) throw std::bad_alloc();
        if (progress.cancelled()) return {FilmOutcome::Result::Cancelled, {}, {}};
        if (!encoder.error().isEmpty()) return failed(path, encoder.error());
        if (const QString problem = writer->finish(); !problem.isEmpty()) return failed(path, problem);
        QString placed;
        if (const QString problem = output.putInPlace(ifTaken, placed); !problem.isEmpty()) return failed(path, problem);
        return {FilmOutcome::Result::Written, {}, placed};
    } catch (const std::bad_alloc&) {
        return failed(path, QString("not enough memory for a film of %1 x %2 pixels")
                                .arg(Canvas::kWidth * scale)
                                .arg(Canvas::kHeight * scale));
    }
}

}  // namespace momentart
