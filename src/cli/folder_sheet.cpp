#include "cli/folder_sheet.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <chrono>
#include <vector>

#include "cli/command_options.h"
#include "cli/contact_sheet.h"
#include "cli/progress.h"
#include "platform/image_files.h"
#include "platform/interrupt.h"
#include "platform/output_path.h"
#include "platform/path_status.h"
#include "platform/pictures_folder.h"
#include "platform/recipe_png.h"
#include "platform/worker_pool.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

// A picture read for a sheet; a null image if it could not be read.
struct ReadPicture {
    QImage image;
    QString error;
};

ReadPicture readPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) return {{}, shownPath(path) + ": cannot read it as a picture (" + reader.errorString() + ")"};
    return {image, {}};
}

// The default base of the sheets' names, in `folder`: after the first
// folder given.
QString defaultBase(const QString& folder, const QStringList& operands) {
    const QFileInfo first(operands.first());
    const QString name = first.isDir() ? QDir(first.absoluteFilePath()).dirName() : QString("pictures");
    return QDir(folder).filePath("sheet-" + name);
}

// One line when no picture could be read: there is nothing to lay out.
QString noneReadable(const std::vector<ReadPicture>& read) {
    if (read.size() == 1) return read.front().error + "; no sheet written";
    return QString("none of the %1 pictures could be read (the first: %2); no sheet written")
        .arg(read.size())
        .arg(read.front().error);
}

}  // namespace

QStringList picturesToSheet(const QStringList& operands, QString& error) {
    QList<QFileInfo> files;
    for (const QString& operand : operands) {
        const QFileInfo info(operand);
        if (info.isDir()) {
            files += QDir(operand).entryInfoList({"*.png", "*.PNG"}, QDir::Files, QDir::Name);
        } else if (info.isFile()) {
            files.append(info);
        } else {
            const bool missing = pathStatus(operand).kind == PathStatus::Kind::Missing;
            error = shownPath(operand) + ": " +
                    (missing ? QString("no such file or folder") : fileToReadProblem(operand, "picture"));
            return {};
        }
    }
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        if (a.lastModified() != b.lastModified()) return a.lastModified() > b.lastModified();
        return a.fileName() < b.fileName();
    });
    QStringList paths;
    for (const QFileInfo& file : files)
        if (!paths.contains(file.filePath())) paths << file.filePath();
    return paths;
}

QStringList folderSheetLabel(const QString& path, const QImage& image) {
    if (image.text("Recipe").isEmpty()) return {QFileInfo(path).fileName()};
    QString name = image.text("Title");
    if (const QString variation = image.text("Variation"); !variation.isEmpty()) name += "  " + variation;
    return {name, QString("type %1  seed %2").arg(image.text("Type"), image.text("Seed"))};
}

QStringList folderSheetPaths(const QString& base, int sheets) {
    if (sheets == 1) return {base + ".png"};
    QStringList paths;
    for (int n = 1; n <= sheets; ++n) paths << QString("%1-%2.png").arg(base).arg(n);
    return paths;
}

int folderSheetCommand(const ParsedOptions& options, QTextStream& out, QTextStream& err) {
    auto fail = [&](int status, const QString& error) {
        err << "momentart sheet: " << error << "\n";
        return status;
    };
    if (options.has("seed")) return fail(2, "--seed makes the sheet of the image types; it cannot go with pictures");
    const WholeOption jobs = jobsOption(options);
    for (const QString& error : {jobs.error, checkOutputFileOptions(options)})
        if (!error.isEmpty()) return fail(2, error);
    if (options.has("out") && formatOfPath(options.value("out")) != ImageFormat::Png)
        return fail(2, "--out must name a .png file for a sheet of pictures");
    QString error;
    const QStringList paths = picturesToSheet(options.operands, error);
    if (!error.isEmpty()) return fail(2, error);
    if (paths.isEmpty()) return fail(2, "no PNG pictures in " + options.operands.join(", "));

    const bool force = options.has("force");
    const bool quiet = options.has("quiet");
    const int sheets = static_cast<int>((paths.size() + kMostPerSheet - 1) / kMostPerSheet);
    QStringList targets;
    if (options.has("out")) {
        const QString out = options.value("out");
        targets = folderSheetPaths(out.left(out.size() - 4), sheets);
        for (const QString& target : targets)
            if (const QString taken = outputPathProblem(target, force); !taken.isEmpty())
                return fail(1, "cannot write " + taken);
    } else {
        QString folder;
        if (const QString missing = defaultOutputFolder(folder); !missing.isEmpty()) return fail(1, missing);
        // The first base under which every sheet's name is free.
        const QString base = defaultBase(folder, options.operands);
        for (int n = 1;; ++n) {
            targets = folderSheetPaths(n == 1 ? base : QString("%1-%2").arg(base).arg(n), sheets);
            if (std::none_of(targets.begin(), targets.end(), [](const QString& p) { return QFileInfo::exists(p); }))
                break;
        }
    }

    // Read every picture (a few workers), then lay the sheets out in order.
    std::vector<ReadPicture> read(paths.size());
    InterruptGuard interrupt(quiet ? nullptr : "\nmomentart sheet: stopping\n");
    Progress progress(progressStyleForStderr(quiet), static_cast<int>(paths.size()), err);
    const auto started = std::chrono::steady_clock::now();
    std::mutex lock;
    progress.start();
    forEachOnThreads(static_cast<int>(paths.size()), static_cast<int>(jobs.value), interrupt.flag(), [&](int n) {
        read[n] = readPicture(paths[n]);
        std::lock_guard guard(lock);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        progress.step(shownPath(paths[n]), elapsed.count());
    });
    progress.finish();
    const auto interrupted = [&](const QString& written) {
        if (!quiet) err << "momentart sheet: interrupted: " << written << "\n";
        return kInterruptedStatus;
    };
    if (takeBackIfInterrupted(interrupt, {})) return interrupted("no sheet written");
    if (std::all_of(read.begin(), read.end(), [](const ReadPicture& r) { return r.image.isNull(); }))
        return fail(1, noneReadable(read));

    QList<SheetEntry> entries;
    for (qsizetype n = 0; n < paths.size(); ++n) {
        if (read[n].image.isNull()) {
            err << "momentart sheet: left out " << read[n].error << "\n";
            continue;
        }
        entries.append({read[n].image, folderSheetLabel(paths[n], read[n].image)});
    }
    const int total = static_cast<int>(entries.size());
    for (int sheet = 0; sheet < sheets; ++sheet) {
        const QList<SheetEntry> part = entries.mid(sheet * kMostPerSheet, kMostPerSheet);
        if (part.isEmpty()) break;
        QString heading = QString("momentart: %1 of %2 pictures, newest first")
                              .arg(part.size())
                              .arg(total);
        if (sheets > 1) heading += QString(" (sheet %1 of %2)").arg(sheet + 1).arg(sheets);
        const ImageTexts texts = {{"Software", softwareText()}, {"Title", heading}};
        const WriteResult written =
            writeImage(layOutContactSheet(kFolderSheetGrid, heading, part), targets[sheet], force, texts);
        if (!written.ok) return fail(1, "cannot write " + written.error);
        if (takeBackIfInterrupted(interrupt, written.path))
            return interrupted(QString("%1 of %2 sheets written").arg(sheet).arg(sheets));
        if (!quiet) out << "sheet: " << shownPath(targets[sheet]) << "\n";
    }
    return 0;
}

}  // namespace momentart
