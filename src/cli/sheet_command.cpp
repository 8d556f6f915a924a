#include "cli/sheet_command.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <chrono>
#include <mutex>
#include <vector>

#include "engine/generation/catalogue.h"
#include "cli/command_options.h"
#include "cli/contact_sheet.h"
#include "cli/folder_sheet.h"
#include "cli/progress.h"
#include "platform/image_convert.h"
#include "platform/image_files.h"
#include "platform/output_path.h"
#include "platform/interrupt.h"
#include "platform/options.h"
#include "platform/pictures_folder.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "platform/worker_pool.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

constexpr int kGap = 10;
constexpr int kLabelHeight = 24;
constexpr int kHeadingHeight = 36;
constexpr int kTypes = kLastType - kFirstType + 1;
constexpr int kRows = (kTypes + kSheetColumns - 1) / kSheetColumns;
constexpr QRgb kLabelColour = 0xffd8d8d8;

const QList<OptionInfo> kSheetOptions = {
    {"seed", "S", "seed " + wholeRange(0, kLastSeed) + " for every picture (default: the timer now)"},
    {"out", "FILE", "write to FILE (.png or .bmp); default: sheet-<seed>.png, a new file in the "
                    "momentart folder of your Pictures folder (pictures: see above)"},
    {"force", nullptr, "replace FILE given with --out if it exists"},
    {"jobs", "J", "worker threads, " + wholeRange(1, kMostJobs) + " (default: every core); at most one per picture and two per core run"},
    {"quiet", nullptr, "print nothing but errors"},
    {"help", nullptr, "show this help"},
};

}  // namespace

QList<SheetCell> sheetCells() {
    QList<SheetCell> cells;
    for (int type = kFirstType; type <= kLastType; ++type) {
        const int n = type - kFirstType;
        const int left = kGap + (n % kSheetColumns) * (kSheetPictureWidth + kGap);
        const int top = kHeadingHeight + (n / kSheetColumns) * (kSheetPictureHeight + kLabelHeight + kGap);
        SheetCell cell;
        cell.type = type;
        cell.picture = QRect(left, top, kSheetPictureWidth, kSheetPictureHeight);
        cell.label = QRect(left, top + kSheetPictureHeight, kSheetPictureWidth, kLabelHeight);
        cells.append(cell);
    }
    return cells;
}

QSize sheetSize() {
    return {kGap + kSheetColumns * (kSheetPictureWidth + kGap),
            kHeadingHeight + kRows * (kSheetPictureHeight + kLabelHeight + kGap)};
}

QRect sheetHeading() { return QRect(0, 0, sheetSize().width(), kHeadingHeight); }

void drawSheetLabel(QPainter& painter, const QRect& label, int type) {
    painter.setFont(sheetFont(15, true));
    painter.setPen(QColor::fromRgb(kLabelColour));
    painter.drawText(label, Qt::AlignCenter, QString("type %1").arg(type));
}

QImage makeSheet(std::uint32_t seed, int jobs, const std::atomic<bool>& stop,
                 const std::function<void(int)>& progress) {
    std::vector<QImage> pictures(kTypes);
    std::mutex lock;
    int done = 0;
    forEachOnThreads(kTypes, jobs, stop, [&](int n) {
        RenderSettings settings;
        settings.seed = seed;
        settings.type = kFirstType + n;
        settings.stamp = false;
        const RenderedPicture picture = renderFresh(settings);
        pictures[n] = toQImage(*picture.canvas).scaled(kSheetPictureWidth, kSheetPictureHeight,
                                                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        std::lock_guard guard(lock);
        ++done;
        if (progress) progress(settings.type);
    });
    if (done < kTypes) return {};

    QImage sheet(sheetSize(), QImage::Format_RGB32);
    setScreenResolution(sheet);
    sheet.fill(kSheetBackground);
    QPainter painter(&sheet);
    painter.setFont(sheetFont(18, false));
    painter.setPen(QColor::fromRgb(kLabelColour));
    painter.drawText(sheetHeading().adjusted(kGap, 0, -kGap, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QString("momentart: the %1 image types for seed %2").arg(kTypes).arg(seed));
    for (const SheetCell& cell : sheetCells()) {
        painter.drawImage(cell.picture.topLeft(), pictures[cell.type - kFirstType]);
        drawSheetLabel(painter, cell.label, cell.type);
    }
    painter.end();
    return sheet;
}

QString sheetHelp() {
    return "usage: momentart sheet [--seed S] [options]\n"
           "       momentart sheet FOLDER|PICTURE... [--out FILE.png] [options]\n"
           "Renders one picture of every image type, " + wholeRange(kFirstType, kLastType, " to ") +
           ", for one seed (without stamps),\n"
           "and lays them out small in a grid, each labelled with its type number: the whole\n"
           "catalogue at a glance. Prints the file written and the seed.\n"
           "Given folders or pictures, it lays out the pictures instead (a folder's PNG files,\n"
           "newest first), each labelled with its name, type and seed, or with its file name\n"
           "when it carries no recipe: " + QString::number(kMostPerSheet) +
           " to a sheet, more sheets numbered -1, -2, ...\n"
           "(default: sheet-<folder>.png in the momentart folder of your Pictures folder).\n\n"
           "options:\n" +
           describeOptions(kSheetOptions) +
           "\nexit status: 0 written, 1 the file could not be written, 2 bad input, 130 stopped\n"
           "by Ctrl-C (nothing written)\n";
}

int sheetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    ParsedOptions options;
    if (const auto status =
            parseCommandOptions("sheet", arguments, kSheetOptions, sheetHelp(), out, err, options, true))
        return *status;
    if (!options.operands.isEmpty()) return folderSheetCommand(options, out, err);
    const WholeOption seedGiven = seedOption(options);
    const WholeOption jobsGiven = jobsOption(options);
    for (const QString& error : {seedGiven.error, jobsGiven.error, checkOutputFileOptions(options)}) {
        if (!error.isEmpty()) {
            err << "momentart sheet: " << error << "\n";
            return 2;
        }
    }
    const auto seed = static_cast<std::uint32_t>(seedGiven.value);
    const int jobs = static_cast<int>(jobsGiven.value);
    const bool force = options.has("force");
    const bool quiet = options.has("quiet");
    QString path = options.value("out");
    IfTaken ifTaken = force ? IfTaken::Replace : IfTaken::Fail;
    // Problems with the file are found before a minute of work, not after.
    if (path.isEmpty()) {
        QString folder;
        if (const QString error = defaultOutputFolder(folder); !error.isEmpty()) {
            err << "momentart sheet: " << error << "\n";
            return 1;
        }
        path = QDir(folder).filePath(QString("sheet-%1.png").arg(seed));
        ifTaken = IfTaken::NextFreeName;
    } else if (const QString error = outputPathProblem(path, force); !error.isEmpty()) {
        err << "momentart sheet: cannot write " << error << "\n";
        return 1;
    }

    InterruptGuard interrupt(quiet ? nullptr : "\nmomentart sheet: stopping\n");
    Progress progress(progressStyleForStderr(quiet), kTypes, err);
    const auto started = std::chrono::steady_clock::now();
    progress.start();
    const QImage sheet = makeSheet(seed, jobs, interrupt.flag(), [&](int type) {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        progress.step(QString("type %1").arg(type), elapsed.count());
    });
    progress.finish();
    const auto interrupted = [&] {
        if (!quiet) err << "momentart sheet: interrupted: no sheet written\n";
        return kInterruptedStatus;
    };
    if (sheet.isNull() || takeBackIfInterrupted(interrupt, {})) return interrupted();
    const ImageTexts texts = {
        {"Software", softwareText()},
        {"Title", QString("momentart contact sheet, seed %1").arg(seed)},
        {"Seed", QString::number(seed)},
    };
    const WriteResult written = writeImage(sheet, path, ifTaken, texts);
    if (!written.ok) {
        err << "momentart sheet: cannot write " << written.error << "\n";
        return 1;
    }
    if (takeBackIfInterrupted(interrupt, written.path)) return interrupted();
    path = written.path;
    if (!quiet)
        out << "file: " << shownPath(path) << "\n"
            << "seed: " << seed << "\n";
    return 0;
}

}  // namespace momentart
