// Writing the batch's pictures to files: PNG with its texts as the program
// writes it, a bitmap, and, for comparison, Qt's own PNG writer at its
// defaults (libpng, adaptive filters, zlib level 6), the route the files
// took before; and a print-size PNG on one and on two threads.
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <vector>

#include <benchmark/benchmark.h>

#include "batch_pictures.h"
#include "platform/image_convert.h"
#include "platform/picture_file.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "platform/worker_pool.h"

namespace momentart {
namespace {

const std::vector<RenderedPicture>& batchPictures() {
    static const std::vector<RenderedPicture> pictures = [] {
        std::vector<RenderedPicture> made;
        for (int n = 0; n < bench::kBatchPictures; ++n) {
            RenderSettings settings;
            settings.seed = bench::kBatchFirstSeed + static_cast<std::uint32_t>(n);
            settings.stamp = false;
            made.push_back(renderFresh(settings));
        }
        return made;
    }();
    return pictures;
}

bool writeWithQt(const RenderedPicture& p, const QString& path) {
    QImage image = toQImage(*p.canvas);
    for (const auto& [key, value] : pictureTexts(p.recipe, p.state, measureInterest(*p.canvas))) image.setText(key, value);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, "png");
    return writer.write(image) && file.commit();
}

// Writes every picture of the batch with `write`; counts the bytes of one
// picture's file, on average.
template <typename Write>
void writeAll(benchmark::State& state, const char* extension, Write write) {
    const auto& pictures = batchPictures();
    QTemporaryDir dir;
    double bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (std::size_t n = 0; n < pictures.size(); ++n) {
            const QString path = dir.filePath(QString("%1.%2").arg(n).arg(extension));
            if (!write(pictures[n], path)) state.SkipWithError("cannot write");
            bytes += static_cast<double>(QFileInfo(path).size());
        }
    }
    state.counters["pictures"] = static_cast<double>(pictures.size());
    state.counters["bytes/picture"] = bytes / static_cast<double>(pictures.size());
}

void PngWrite(benchmark::State& state) {
    writeAll(state, "png", [](const RenderedPicture& p, const QString& path) {
        return writePicture(path, *p.canvas, p.recipe, p.state, true).ok;
    });
}
BENCHMARK(PngWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

void QtPngWrite(benchmark::State& state) { writeAll(state, "png", writeWithQt); }
BENCHMARK(QtPngWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// A print-size picture (scale 4) written as a PNG on one thread and on two:
// the interest measure, the conversion and the compression of its bands.
void LargePngWrite(benchmark::State& state) {
    static const RenderedPicture picture = [] {
        RenderSettings settings;
        settings.seed = bench::kBatchFirstSeed;
        settings.type = 9;
        settings.scale = 4;
        settings.stamp = false;
        settings.jobs = everyCore();
        return renderFresh(settings);
    }();
    const int jobs = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath("large.png");
    for (auto _ : state)
        if (!writePicture(path, *picture.canvas, picture.recipe, picture.state, true, std::nullopt, jobs).ok)
            state.SkipWithError("cannot write");
    state.counters["jobs"] = jobs;
}
BENCHMARK(LargePngWrite)->ArgName("jobs")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BitmapWrite(benchmark::State& state) {
    writeAll(state, "bmp", [](const RenderedPicture& p, const QString& path) {
        return writePicture(path, *p.canvas, p.recipe, p.state, true).ok;
    });
}
BENCHMARK(BitmapWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace momentart
