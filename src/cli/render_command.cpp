#include "cli/render_command.h"

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <new>
#include <optional>

#include "engine/generation/catalogue.h"
#include "engine/interest.h"
#include "engine/generation/run.h"
#include "cli/batch_command.h"
#include "cli/command_options.h"
#include "platform/image_files.h"
#include "platform/options.h"
#include "platform/pictures_folder.h"
#include "platform/recipe_file.h"
#include "platform/picture_file.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

constexpr unsigned long long kMostPictures = 1000000;

const QList<OptionInfo> kRenderOptions = {
    {"type", "N", "image type " + wholeRange(kFirstType, kLastType) + " (default: drawn at random, as \"new image\" does)"},
    {"seed", "S", "seed " + wholeRange(0, kLastSeed) + " used in place of the timer (default: the timer now); "
                  "a batch uses S, S+1, ..."},
    {"no-stamp", nullptr, "leave out the signature line: exactly the computed pixels"},
    {"count", "N", "make a batch of N pictures (1..1000000), each from a fresh start"},
    {"jobs", "J", "threads, " + wholeRange(1, kMostJobs) + " (default: every core; at most two per core run): with --count, "
                  "pictures made at once, at most one per picture; otherwise threads sharing the one "
                  "picture (the pixels are the same for any J)"},
    {"skip-dull", nullptr, "with --count: write only pictures that are not dull, going on with "
                           "further seeds until N are written (see 'interest' below)"},
    {"scale", "K", "compute the picture K times as wide and high, " + wholeRange(1, kLargestScale) + ": 600 K x 450 K pixels, "
                   "the same picture in finer detail (default 1; with --from: the recipe's scale)"},
    {"from", "FILE", "make a picture again from its recipe: a PNG that momentart wrote, a bitmap "
                     "with its .recipe beside it, or a .recipe file (the recipe fixes seed, type "
                     "and stamp)"},
    {"out", "PATH", "a single picture: write to the file PATH (.png or .bmp); a batch: write "
                    "into the folder PATH (created if missing). Default: the momentart folder "
                    "of your Pictures folder, under new names"},
    {"force", nullptr, "replace the file given with --out if it exists (single pictures only)"},
    {"continue", nullptr, "with --count: go on with a batch that was stopped: the seeds whose pictures "
                          "are already whole in the folder (known by their recipes) are skipped"},
    {"quiet", nullptr, "print nothing but errors"},
    {"help", nullptr, "show this help"},
};

enum class Mode { Single, Batch, Again };

struct RenderRequest {
    Mode mode = Mode::Single;
    RenderSettings settings;
    int count = 1;
    int jobs = 1;
    std::optional<int> scale;  // --scale, when given
    QString from;
    QString out;
    bool force = false;
    bool quiet = false;
    bool skipDull = false;
    bool goOn = false;  // --continue
};

QString notWith(const char* option, const char* reason) {
    return QString("--%1 cannot go with %2").arg(option).arg(reason);
}

// Checks the options; returns an error line, or fills `request`.
QString readRequest(const ParsedOptions& options, RenderRequest& request) {
    request.force = options.has("force");
    request.quiet = options.has("quiet");
    request.out = options.value("out");
    request.settings.stamp = !options.has("no-stamp");
    request.skipDull = options.has("skip-dull");
    request.goOn = options.has("continue");

    if (options.has("from")) {
        request.mode = Mode::Again;
        request.from = options.value("from");
        for (const char* fixed : {"type", "seed", "no-stamp", "count", "skip-dull", "continue"})
            if (options.has(fixed)) return notWith(fixed, "--from: the picture's recipe decides");
        if (request.from.isEmpty()) return "--from needs the path of a picture or a recipe";
    } else if (options.has("count")) {
        request.mode = Mode::Batch;
        if (request.force) return notWith("force", "--count: a batch never replaces a file");
    } else {
        for (const char* batchOnly : {"skip-dull", "continue"})
            if (options.has(batchOnly)) return QString("--%1 goes with --count").arg(batchOnly);
    }

    const WholeOption type = wholeOption(options, "type", kFirstType, kLastType, 0);
    const WholeOption count = wholeOption(options, "count", 1, kMostPictures, 1);
    const WholeOption jobs = jobsOption(options);
    const WholeOption scale = wholeOption(options, "scale", 1, kLargestScale, 1);
    // A timer's seed is the bit pattern of a positive float, far below the
    // end of the range: a batch of any size fits after it.
    const WholeOption seed = seedOption(options);
    for (const WholeOption* whole : {&type, &count, &jobs, &seed, &scale})
        if (!whole->error.isEmpty()) return whole->error;
    request.settings.type = static_cast<int>(type.value);
    request.count = static_cast<int>(count.value);
    request.jobs = static_cast<int>(jobs.value);
    if (options.has("scale")) request.scale = static_cast<int>(scale.value);
    request.settings.scale = static_cast<int>(scale.value);
    request.settings.jobs = request.jobs;
    if (seed.value + count.value - 1 > kLastSeed)
        return QString("--seed %1 with --count %2 goes past the last seed, %3")
            .arg(seed.value)
            .arg(count.value)
            .arg(kLastSeed);
    request.settings.seed = static_cast<std::uint32_t>(seed.value);

    if (request.mode != Mode::Batch) return checkOutputFileOptions(options);
    if (const QString problem = outPathLengthProblem(options); !problem.isEmpty()) return problem;
    if (options.has("out")) {
        if (request.out.isEmpty()) return "--out needs a path";
        const QFileInfo info(request.out);
        if (info.exists() && !info.isDir())
            return "--out '" + request.out + "' is a file; a batch writes into a folder";
        if (!info.exists() && formatOfPath(request.out) != ImageFormat::Unknown)
            return "--out '" + request.out + "' looks like a file name; a batch writes into a folder";
    }
    return {};
}

// Which maths a picture made again from its recipe used, in one line.
QString mathsLine(Maths maths) {
    return maths == Maths::CorrectlyRounded
               ? "maths: correctly rounded"
               : "maths: the C library's, as when the picture was made (its recipe is from before "
                 "correctly rounded maths)";
}

// Writes a single picture and reports it; returns the exit status.
int writeSingle(const RenderedPicture& picture, const RenderRequest& request, QTextStream& out,
                QTextStream& err) {
    const QString name = QString::fromStdString(picture.state.imeslike);
    QString path = request.out;
    IfTaken ifTaken = request.force ? IfTaken::Replace : IfTaken::Fail;
    if (path.isEmpty()) {
        QString folder;
        if (const QString error = defaultOutputFolder(folder); !error.isEmpty()) {
            err << "momentart render: " << error << "\n";
            return 1;
        }
        path = QDir(folder).filePath(name + ".png");
        ifTaken = IfTaken::NextFreeName;
    }
    const Interest interest = measureInterest(*picture.canvas, request.jobs);
    const WriteResult written =
        writePicture(path, *picture.canvas, picture.recipe, picture.state, ifTaken, interest, request.jobs);
    if (!written.ok) {
        err << "momentart render: cannot write " << written.error << "\n";
        return 1;
    }
    if (request.quiet) return 0;
    out << "file: " << shownPath(written.path) << "\n";
    if (formatOfPath(written.path) == ImageFormat::Bmp)
        out << "recipe: " << shownPath(recipePathBeside(written.path)) << "\n";
    out << "name: " << name << "\n"
        << "type: " << imageType(picture.state) << "\n"
        << "seed: " << picture.recipe.seed << "\n"
        << "interest: " << QString::fromStdString(interestText(interest)) << (isDull(interest) ? " (dull)" : "")
        << "\n";
    if (request.mode == Mode::Again) out << mathsLine(picture.recipe.maths) << "\n";
    return 0;
}

// Renders one picture and writes it; a picture whose memory cannot be had
// is one line and exit status 1.
int renderSingle(const std::function<RenderedPicture()>& render, int scale,
                 const RenderRequest& request, QTextStream& out, QTextStream& err) {
    try {
        return writeSingle(render(), request, out, err);
    } catch (const std::bad_alloc&) {
        err << "momentart render: not enough memory for a picture of " << Canvas::kWidth * scale
            << " x " << Canvas::kHeight * scale << " pixels (scale " << scale << ")\n";
        return 1;
    }
}

}  // namespace

QString renderHelp() {
    return "usage: momentart render [options]\n"
           "       momentart render --count N [--seed S] [--type T] [--out FOLDER] [--jobs J] [--skip-dull]\n"
           "                        [--continue]\n"
           "       momentart render --from PICTURE.png|PICTURE.bmp|RECIPE.recipe [--scale K] [--out FILE]\n"
           "Computes one picture, as the window's \"new image\" does at start-up, and writes it;\n"
           "prints the file written, the picture's name, its image type, its seed and its\n"
           "interest (below).\n"
           "With --count it makes a batch of pictures, each from a fresh start with the seeds\n"
           "S, S+1, ..., named <name>-type<T>-seed<S>.png, with progress on stderr; Ctrl-C\n"
           "stops after the pictures under way, and the same command with --continue goes on\n"
           "from there. With --from it makes a picture again, bit for bit, from its recipe:\n"
           "the one a PNG carries, the .recipe file beside a bitmap, or a recipe file of the\n"
           "history; with --scale K as a print version of 600 K x 450 K pixels, and says which\n"
           "maths the recipe uses. Every PNG written carries its recipe and scale; a bitmap has\n"
           "its recipe written beside it as <name>.recipe (both files are written, or neither).\n"
           "No file is replaced unless --force says so.\n\n"
           "maths: every new picture computes its sines, cosines, tangents, arctangents,\n"
           "logarithms and powers correctly rounded, the same on every machine; a recipe saved\n"
           "before that is made again with the C library's functions, as it was made.\n\n"
           "interest: every picture is measured above its stamp: common, the share of its\n"
           "most common colour; spread, the standard deviation of its brightness (0..255);\n"
           "detail, the mean brightness difference of neighbouring pixels. It is dull when\n"
           "common >= " + QString::number(kDullCommonShare) + " or spread < " +
           QString::number(kDullSpread) + ". The figures are printed, and stored in the PNG\n"
           "(text Interest), with a decimal point whatever the locale. With --skip-dull a\n"
           "batch skips dull pictures; it stops (status 1) when " + QString::number(kMissesPerPicture) +
           " x N seeds in a row\nwere all dull.\n\n"
           "options:\n" +
           describeOptions(kRenderOptions) +
           "\nexit status: 0 written, 1 a file or folder could not be written, the memory for\n"
           "the picture could not be had or the stamp's face is missing, 2 bad input,\n"
           "130 a batch stopped by Ctrl-C\n";
}

bool renderDrawsText(const QStringList& arguments) { return stampsPicture(arguments, kRenderOptions); }

int renderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    ParsedOptions options;
    if (const auto status = parseCommandOptions("render", arguments, kRenderOptions, renderHelp(), out, err, options))
        return *status;
    RenderRequest request;
    if (const QString error = readRequest(options, request); !error.isEmpty()) {
        err << "momentart render: " << error << "\n";
        return 2;
    }

    switch (request.mode) {
    case Mode::Batch: {
        BatchRequest batch;
        batch.plan.firstSeed = request.settings.seed;
        batch.plan.count = request.count;
        batch.plan.type = request.settings.type;
        batch.plan.stamp = request.settings.stamp;
        batch.plan.scale = request.settings.scale;
        batch.plan.jobs = request.jobs;
        batch.plan.skipDull = request.skipDull;
        batch.plan.folder = request.out;
        if (request.out.isEmpty()) {
            if (const QString error = defaultOutputFolder(batch.plan.folder); !error.isEmpty()) {
                err << "momentart render: " << error << "\n";
                return 1;
            }
        }
        batch.quiet = request.quiet;
        batch.goOn = request.goOn;
        if (stampFaceMissing("render", batch.plan.stamp, err)) return 1;
        return runBatchCommand(batch, err);
    }
    case Mode::Again: {
        const RecipeFromFile read = readRecipeOfAnyFile(request.from);
        if (!read.recipe) {
            err << "momentart render: " << read.error << "\n";
            return 2;
        }
        if (stampFaceMissing("render", read.recipe->stamp, err)) return 1;
        Recipe recipe = *read.recipe;
        if (request.scale) recipe.scale = *request.scale;
        return renderSingle([&] { return renderFromRecipe(recipe, nullptr, request.jobs); },
                            recipe.scale, request, out, err);
    }
    case Mode::Single:
        break;
    }
    if (stampFaceMissing("render", request.settings.stamp, err)) return 1;
    return renderSingle([&] { return renderFresh(request.settings); }, request.settings.scale,
                        request, out, err);
}

}  // namespace momentart
