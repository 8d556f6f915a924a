#include "cli/vary_command.h"

#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <cmath>
#include <mutex>
#include <vector>

#include "cli/command_options.h"
#include "cli/contact_sheet.h"
#include "cli/progress.h"
#include "engine/generation/catalogue.h"
#include "engine/recipe_variation.h"
#include "platform/image_convert.h"
#include "platform/image_files.h"
#include "platform/interrupt.h"
#include "platform/options.h"
#include "platform/picture_file.h"
#include "platform/pictures_folder.h"
#include "platform/recipe_file.h"
#include "platform/renderer.h"
#include "platform/worker_pool.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

constexpr unsigned long long kMostVariations = 100;

const QList<OptionInfo> kVaryOptions = {
    {"what", "PART", "the part drawn anew: centres (default), colours, formula or zoom"},
    {"count", "N", "how many variations, 1..100 (default 8)"},
    {"seed", "V", "the first variation seed, " + wholeRange(0, kLastSeed) + "; the variations use V, V+1, ... "
                  "(default 1: the same picture always has the same first siblings)"},
    {"out", "FOLDER", "write into FOLDER (created if missing); default: the momentart folder of "
                      "your Pictures folder"},
    {"jobs", "J", "worker threads, " + wholeRange(1, kMostJobs) + " (default: every core)"},
    {"quiet", nullptr, "print nothing but errors"},
    {"help", nullptr, "show this help"},
};

struct VaryRequest {
    Recipe original;
    GenerationState planned;  // the original's run before its first pixel: its name and type
    VariationKind kind = VariationKind::Centres;
    int count = 8;
    std::uint32_t firstSeed = 0;
    QString folder;
    int jobs = 1;
    bool quiet = false;
};

QString kindNames() {
    QStringList names;
    for (const VariationKindName& known : variationKinds()) names << QString::fromUtf8(known.name);
    return names.join(", ");
}

// The kinds the picture leaves free, for the message when the asked one is not.
QString freeKinds(const GenerationState& planned) {
    QStringList names;
    for (const VariationKindName& known : variationKinds())
        if (variationFree(planned, known.kind)) names << QString::fromUtf8(known.name);
    return names.join(", ");
}

// What the type fixed of a part it does not leave free.
QString fixedPart(const GenerationState& planned, VariationKind kind) {
    if (kind == VariationKind::Zoom) return QString("zoom (osx = %1)").arg(planned.osx);
    return QString("formula (v1 = %1, v2 = %2, one formula pair)").arg(planned.v1).arg(planned.v2);
}

// Checks the options and the picture; returns an error line, or fills `request`.
QString readRequest(const ParsedOptions& options, VaryRequest& request) {
    if (options.operands.size() != 1)
        return options.operands.isEmpty() ? "name the picture to vary (a PNG, a bitmap with its recipe, or a recipe file)"
                                          : "vary one picture at a time, not " +
                                                QString::number(options.operands.size());
    const QString what = options.has("what") ? options.value("what") : "centres";
    const auto kind = variationKindNamed(what.toStdString());
    if (!kind) return "--what '" + what + "' is not one of " + kindNames();
    request.kind = *kind;

    const WholeOption count = wholeOption(options, "count", 1, kMostVariations, 8);
    const WholeOption seed = wholeOption(options, "seed", 0, kLastSeed, 1);
    const WholeOption jobs = jobsOption(options);
    for (const WholeOption* whole : {&count, &seed, &jobs})
        if (!whole->error.isEmpty()) return whole->error;
    if (seed.value + count.value - 1 > kLastSeed)
        return QString("--seed %1 with --count %2 goes past the last seed, %3")
            .arg(seed.value)
            .arg(count.value)
            .arg(kLastSeed);
    request.count = static_cast<int>(count.value);
    request.firstSeed = static_cast<std::uint32_t>(seed.value);
    request.jobs = static_cast<int>(jobs.value);
    request.quiet = options.has("quiet");
    request.folder = options.value("out");
    if (options.has("out") && request.folder.isEmpty()) return "--out needs a folder";
    if (const QString problem = outPathLengthProblem(options); !problem.isEmpty()) return problem;
    if (QFileInfo(request.folder).exists() && !QFileInfo(request.folder).isDir())
        return "--out '" + request.folder + "' is a file; vary writes into a folder";

    const QString path = options.operands.first();
    const RecipeFromFile read = readRecipeOfAnyFile(path);
    if (!read.recipe) return read.error;
    const VariationKind before = read.recipe->variation.kind;
    if (before != VariationKind::None && before != request.kind)
        return path + ": this picture is a " + QString::fromUtf8(variationName(before)) +
               " variation; vary it by " + QString::fromUtf8(variationName(before)) +
               " or vary the picture it came from";
    request.original = variationRecipe(*read.recipe, {});
    request.planned = plannedState(request.original);
    if (!variationFree(request.planned, request.kind))
        return QString("%1: type %2 fixes the %3, so there is nothing to vary (free: %4)")
            .arg(path)
            .arg(request.planned.izbor)
            .arg(fixedPart(request.planned, request.kind), freeKinds(request.planned));
    return {};
}

}  // namespace

QString variationFileBase(const QString& name, int type, const Variation& variation) {
    return QString("%1-type%2-%3-v%4")
        .arg(name)
        .arg(type)
        .arg(QString::fromUtf8(variationName(variation.kind)))
        .arg(variation.seed);
}

QString varyHelp() {
    return "usage: momentart vary PICTURE [--what PART] [--count N] [--seed V] [--out FOLDER]\n"
           "Makes siblings of a picture: the same picture with one part drawn anew from the\n"
           "variation seeds V, V+1, ... and everything else kept. PICTURE is a PNG that\n"
           "momentart wrote (it carries its recipe), a bitmap with its .recipe beside it,\n"
           "or a .recipe file. The parts:\n"
           "  centres  the six centre columns and rows: the composition moves\n"
           "  colours  the colouring parameters (ba1 ... krgb), and the scheme where the\n"
           "           type leaves it free\n"
           "  formula  v1 and v2 where the type leaves them free, and the cross-mode pair\n"
           "  zoom     the width in world units (osx), where the type leaves it free\n"
           "Each variation is written as <name>-type<T>-<part>-v<V>.png carrying its recipe\n"
           "(render --from makes it again), and a sheet of the original beside them as\n"
           "<name>-type<T>-<part>-sheet.png. No file is replaced. Where the type fixes the\n"
           "part asked for, nothing is written (status 2).\n\n"
           "options:\n" +
           describeOptions(kVaryOptions) +
           "\nexit status: 0 written, 1 a file or folder could not be written, 2 bad input,\n"
           "130 stopped by Ctrl-C\n";
}

int varyCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    ParsedOptions options;
    if (const auto status =
            parseCommandOptions("vary", arguments, kVaryOptions, varyHelp(), out, err, options, true))
        return *status;
    VaryRequest request;
    if (const QString error = readRequest(options, request); !error.isEmpty()) {
        err << "momentart vary: " << error << "\n";
        return 2;
    }
    const QString folderError =
        request.folder.isEmpty() ? defaultOutputFolder(request.folder) : ensureFolder(request.folder);
    if (!folderError.isEmpty()) {
        err << "momentart vary: " << folderError << "\n";
        return 1;
    }

    // Entry 0 is the original, then the variations in seed order.
    const int pictures = request.count + 1;
    std::vector<QImage> shown(pictures);
    std::vector<QString> written(pictures);
    QString failure;
    std::mutex lock;
    InterruptGuard interrupt(request.quiet ? nullptr : "\nmomentart vary: stopping\n");
    std::atomic<bool> halt{false};
    Progress progress(progressStyleForStderr(request.quiet), pictures, err);
    const auto started = std::chrono::steady_clock::now();
    progress.start();
    forEachOnThreads(pictures, request.jobs, halt, [&](int n) {
        const Variation variation =
            n == 0 ? Variation{} : Variation{request.kind, request.firstSeed + static_cast<std::uint32_t>(n - 1)};
        const RenderedPicture picture = renderFromRecipe(variationRecipe(request.original, variation));
        WriteResult result{true, {}, {}};
        if (n > 0) {
            const QString base = variationFileBase(QString::fromStdString(picture.state.imeslike),
                                                   imageType(picture.state), variation);
            result = writePicture(QDir(request.folder).filePath(base + ".png"), *picture.canvas, picture.recipe,
                                  picture.state, IfTaken::NextFreeName);
        }
        std::lock_guard guard(lock);
        shown[n] = toQImage(*picture.canvas);
        written[n] = result.path;
        if (!result.ok && failure.isEmpty()) failure = result.error;
        if (!result.ok || interrupt.flag().load()) halt.store(true);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        progress.step(n == 0 ? QString("the original") : shownPath(result.path), elapsed.count());
    });
    progress.finish();
    if (!failure.isEmpty()) {
        err << "momentart vary: cannot write " << failure << "\n";
        return 1;
    }
    const auto interrupted = [&] {
        if (!request.quiet) err << "momentart vary: interrupted: no sheet written\n";
        return kInterruptedStatus;
    };
    if (takeBackIfInterrupted(interrupt, {})) return interrupted();

    const QString name = QString::fromStdString(request.planned.imeslike);
    const int type = imageType(request.planned);
    QList<SheetEntry> entries;
    entries.append({shown[0], {"original", QString("type %1 seed %2").arg(type).arg(request.original.seed)}});
    for (int n = 1; n < pictures; ++n)
        entries.append({shown[n], {QString::fromStdString(
                                        variationText({request.kind, request.firstSeed + static_cast<std::uint32_t>(n - 1)}))}});
    const QString kind = QString::fromUtf8(variationName(request.kind));
    SheetGrid grid;
    grid.columns = std::clamp(static_cast<int>(std::ceil(std::sqrt(pictures))), 3, 6);
    grid.picture = QSize(300, 225);
    const QImage sheet = layOutContactSheet(
        grid, QString("%1, type %2: the original and %3 %4 variations").arg(name).arg(type).arg(request.count).arg(kind),
        entries);
    const QString sheetName = QString("%1-type%2-%3-sheet.png").arg(name).arg(type).arg(kind);
    const ImageTexts texts = {
        {"Software", softwareText()},
        {"Title", QString("momentart %1 variations of %2").arg(kind, name)},
    };
    const WriteResult sheetWritten =
        writeImage(sheet, QDir(request.folder).filePath(sheetName), IfTaken::NextFreeName, texts);
    if (!sheetWritten.ok) {
        err << "momentart vary: cannot write " << sheetWritten.error << "\n";
        return 1;
    }
    if (takeBackIfInterrupted(interrupt, sheetWritten.path)) return interrupted();
    const QString& sheetPath = sheetWritten.path;
    if (!request.quiet) {
        for (int n = 1; n < pictures; ++n) out << "file: " << shownPath(written[n]) << "\n";
        out << "sheet: " << shownPath(sheetPath) << "\n";
    }
    return 0;
}

}  // namespace momentart
