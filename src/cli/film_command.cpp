#include "cli/film_command.h"

#include <QDir>
#include <QElapsedTimer>

#include "cli/command_options.h"
#include "cli/progress.h"
#include "engine/generation/catalogue.h"
#include "engine/generation/run.h"
#include "engine/picture_summary.h"
#include "platform/film_maker.h"
#include "platform/interrupt.h"
#include "platform/options.h"
#include "platform/pictures_folder.h"
#include "platform/recipe_file.h"
#include "platform/renderer.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

const QList<OptionInfo> kFilmOptions = {
    {"seed", "S", "seed " + wholeRange(0, kLastSeed) + " used in place of the timer (default: the timer now)"},
    {"type", "N", "image type " + wholeRange(kFirstType, kLastType) + " (default: drawn at random, as \"new image\" does)"},
    {"from", "FILE", "the picture of a recipe: a PNG momentart wrote, a bitmap with its .recipe beside it, "
                     "a .recipe file, or a film momentart made (the recipe fixes seed, type and stamp)"},
    {"scale", "K", "the picture K times as wide and high, " + wholeRange(1, kLargestScale) + ": 600 K x 450 K pixels (default 1; with "
                   "--from: the recipe's scale)"},
    {"seconds", "N", "seconds the picture takes to grow, 1..600 (default 4)"},
    {"hold", "N", "seconds the finished picture stays at the end, 0..600 (default 2)"},
    {"fps", "N", "frames a second, 1..120 (default 30)"},
    {"no-stamp", nullptr, "leave the signature line out of the finished picture"},
    {"quality", "N", "0..100 (default 60), higher is better and larger: the x264 CRF of an MP4 is "
                     "51 (100 - N) / 100 but at least 1 (CRF 0 takes a profile browsers do not play), the VP9 CRF of a WebM 63 (100 - N) / 100, a WebP's quality N "
                     "(100: lossless); an APNG is always lossless"},
    {"jobs", "J", "threads computing the picture, " + wholeRange(1, kMostJobs) + " (default: every core); the frames are the "
                  "same for any J"},
    {"out", "FILE", "the film: .mp4 (H.264), .webm (VP9), .apng (lossless animated PNG) or .webp "
                    "(animated WebP). Default: <name>.mp4 in the momentart folder of your Videos folder, "
                    "under a new name"},
    {"force", nullptr, "replace the file given with --out if it exists"},
    {"quiet", nullptr, "print nothing but errors"},
    {"help", nullptr, "show this help"},
};

struct FilmRequest {
    FilmPlan plan;
    QString out;
    bool force = false;
    bool quiet = false;
};

// Checks the options and finds the picture; returns an error line, or fills
// `request`.
QString readRequest(const ParsedOptions& options, FilmRequest& request) {
    request.out = options.value("out");
    request.force = options.has("force");
    request.quiet = options.has("quiet");
    if (options.has("out") && filmFormatOfPath(request.out) == FilmFormat::Unknown)
        return "--out must name a " + filmExtensions() + " file, not '" + request.out + "'";
    if (request.force && !options.has("out")) return "--force goes with --out";
    if (const QString problem = outPathLengthProblem(options); !problem.isEmpty()) return problem;

    const WholeOption type = wholeOption(options, "type", kFirstType, kLastType, 0);
    const WholeOption seed = seedOption(options);
    const WholeOption scale = wholeOption(options, "scale", 1, kLargestScale, 1);
    const WholeOption seconds = wholeOption(options, "seconds", 1, kMostFilmSeconds, 4);
    const WholeOption hold = wholeOption(options, "hold", 0, kMostFilmSeconds, 2);
    const WholeOption fps = wholeOption(options, "fps", 1, kMostFilmFps, 30);
    const WholeOption quality = wholeOption(options, "quality", 0, 100, kDefaultFilmQuality);
    const WholeOption jobs = jobsOption(options);
    for (const WholeOption* whole : {&type, &seed, &scale, &seconds, &hold, &fps, &quality, &jobs})
        if (!whole->error.isEmpty()) return whole->error;
    FilmPlan& plan = request.plan;
    plan.seconds = static_cast<int>(seconds.value);
    plan.hold = static_cast<int>(hold.value);
    plan.fps = static_cast<int>(fps.value);
    plan.quality = static_cast<int>(quality.value);
    plan.jobs = static_cast<int>(jobs.value);

    if (options.has("from")) {
        for (const char* fixed : {"type", "seed", "no-stamp"})
            if (options.has(fixed)) return QString("--%1 cannot go with --from: the picture's recipe decides").arg(fixed);
        const RecipeFromFile read = readRecipeOfAnyFile(options.value("from"));
        if (!read.recipe) return read.error;
        plan.recipe = *read.recipe;
        if (options.has("scale")) plan.recipe.scale = static_cast<int>(scale.value);
        return {};
    }
    RenderSettings settings;
    settings.seed = static_cast<std::uint32_t>(seed.value);
    settings.type = static_cast<int>(type.value);
    settings.stamp = !options.has("no-stamp");
    settings.scale = static_cast<int>(scale.value);
    plan.recipe = freshRecipe(settings);
    return {};
}

// The film's progress on stderr: a bar on a terminal, otherwise a line at
// every tenth; Ctrl-C is heard here.
class CommandProgress final : public FilmProgress {
public:
    CommandProgress(ProgressStyle style, QTextStream& err, const std::atomic<bool>& interrupted)
        : style_(style), err_(err), interrupted_(interrupted) {
        clock_.start();
    }

    void framesWritten(int written, int total) override {
        if (style_ == ProgressStyle::Bar) {
            err_ << "\r" << progressBar(written, total, clock_.elapsed() / 1000.0, 0, "frames") << "    ";
        } else if (style_ == ProgressStyle::Lines && (written == 0 || written * 10 / total > tenths_)) {
            tenths_ = written * 10 / total;
            err_ << QString("%1 of %2 frames written\n").arg(written).arg(total);
        }
        err_.flush();
    }
    bool cancelled() override { return interrupted_.load(); }

    void finish() {
        if (style_ != ProgressStyle::Bar) return;
        err_ << "\n";
        err_.flush();
    }

private:
    ProgressStyle style_;
    QTextStream& err_;
    const std::atomic<bool>& interrupted_;
    QElapsedTimer clock_;
    int tenths_ = 0;
};

}  // namespace

QString filmHelp() {
    return "usage: momentart film [--seed S] [--type T] [--scale K] [options] [--out FILE]\n"
           "       momentart film --from PICTURE|FILM [--scale K] [options] [--out FILE]\n"
           "Makes a film of a picture growing in its visiting order, as the window shows it:\n"
           "frame f of the seconds x fps growing frames shows exactly the picture after the\n"
           "first ceil(N (f + 1) / F) of its N pixel visits; then the finished picture\n"
           "(stamped unless --no-stamp) stays for hold x fps frames. The picture is computed\n"
           "once, on J threads, while its frames are encoded. The format comes from the\n"
           "file's extension. Every film carries its picture's recipe (an MP4's or WebM's\n"
           "comment, an APNG's PNG texts, a WebP's XMP): 'momentart render --from FILM'\n"
           "makes the picture again bit for bit, 'momentart film --from FILM' the film,\n"
           "'momentart FILM' opens the window on it. Progress goes to stderr; Ctrl-C or a\n"
           "failure leaves no file behind, and no file is replaced unless --force says so.\n\n"
           "options:\n" +
           describeOptions(kFilmOptions) +
           "\nexit status: 0 written, 1 the film could not be written (or the memory for it\n"
           "could not be had, or the stamp's face is missing), 2 bad input, 130 stopped by\n"
           "Ctrl-C\n";
}

bool filmDrawsText(const QStringList& arguments) { return stampsPicture(arguments, kFilmOptions); }

int filmCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    ParsedOptions options;
    if (const auto status = parseCommandOptions("film", arguments, kFilmOptions, filmHelp(), out, err, options))
        return *status;
    FilmRequest request;
    if (const QString error = readRequest(options, request); !error.isEmpty()) {
        err << "momentart film: " << error << "\n";
        return 2;
    }
    const FilmPlan& plan = request.plan;
    if (stampFaceMissing("film", plan.recipe.stamp, err)) return 1;
    const PictureSummary summary = summarizePicture(plan.recipe);
    QString path = request.out;
    IfTaken ifTaken = request.force ? IfTaken::Replace : IfTaken::Fail;
    if (path.isEmpty()) {
        const ReadyFolder folder = readyVideosFolder();
        if (!folder.error.isEmpty()) {
            err << "momentart film: " << folder.error << (homeMissing().isEmpty() ? "" : ": name the film with --out")
                << "\n";
            return 1;
        }
        path = QDir(folder.path).filePath(savedPictureName(summary.name, plan.recipe) + ".mp4");
        ifTaken = IfTaken::NextFreeName;
    }

    const ProgressStyle style = progressStyleForStderr(request.quiet);
    InterruptGuard interrupt(request.quiet ? nullptr : "\nmomentart film: stopping; no file is left\n");
    CommandProgress progress(style, err, interrupt.flag());
    const FilmOutcome outcome = makeFilm(plan, path, ifTaken, progress);
    progress.finish();
    switch (outcome.result) {
        case FilmOutcome::Result::Cancelled:
            if (!request.quiet) err << "momentart film: interrupted; nothing written\n";
            return kInterruptedStatus;
        case FilmOutcome::Result::Failed:
            err << "momentart film: cannot write " << outcome.error << "\n";
            return 1;
        case FilmOutcome::Result::Written: break;
    }
    if (!request.quiet)
        out << "file: " << shownPath(outcome.path) << "\n"
            << "name: " << QString::fromStdString(summary.name) << "\n"
            << "type: " << summary.type << "\n"
            << "seed: " << plan.recipe.seed << "\n"
            << "frames: " << filmFrames(plan) << " (" << plan.seconds << " s growing, " << plan.hold
            << " s held, " << plan.fps << " a second)\n";
    return 0;
}

}  // namespace momentart
