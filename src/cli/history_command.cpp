#include "cli/history_command.h"

#include <QDir>

#include "engine/picture_summary.h"
#include "platform/history_store.h"
#include "platform/options.h"
#include "platform/path_status.h"
#include "platform/pictures_folder.h"
#include "platform/recipe_file.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

const QList<OptionInfo> kHistoryOptions = {
    {"last", "N", "list the newest N pictures (default 10)"},
    {"folder", "DIR", "the history folder to read (default: the one the window writes)"},
    {"help", nullptr, "show this help"},
};

}  // namespace

QString historyHelp() {
    return "usage: momentart history [--last N] [--folder DIR]\n"
           "Lists the newest pictures the window has made, newest first: the picture's name,\n"
           "its image type, its seed, and the recipe file that makes it again with\n"
           "'momentart render --from FILE'. The window keeps the newest " +
           QString::number(kHistoryKeep) +
           " (see its --history-keep).\n\n"
           "options:\n" +
           describeOptions(kHistoryOptions) +
           "\nexit status: 0 listed (also when the window has made no picture yet), 1 the\n"
           "folder or a recipe file could not be read, 2 bad input\n";
}

int historyCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    ParsedOptions options;
    if (const auto status = parseCommandOptions("history", arguments, kHistoryOptions, historyHelp(), out, err, options))
        return *status;
    const WholeOption last = wholeOption(options, "last", 1, kHistoryKeep * 100ULL, 10);
    if (!last.error.isEmpty()) {
        err << "momentart history: " << last.error << "\n";
        return 2;
    }
    const bool named = options.has("folder");
    const QString folder = named ? options.value("folder") : defaultHistoryFolder();
    if (folder.isEmpty()) {
        err << "momentart history: --folder needs a folder\n";
        return 2;
    }
    if (const QString missing = homeMissing(); !named && !missing.isEmpty()) {
        err << "momentart history: " << missing << ", so there is no history folder: name one with --folder\n";
        return 1;
    }
    // The window makes its folder with its first picture: until then there
    // is simply nothing yet. Any other folder must be one that can be read.
    const bool notYet = !named && pathStatus(folder).kind == PathStatus::Kind::Missing;
    if (const QString problem = folderToListProblem(folder); !problem.isEmpty() && !notYet) {
        err << "momentart history: " << shownPath(folder) << ": " << problem << "\n";
        return 1;
    }
    const QList<HistoryFile> files = newestHistory(folder, static_cast<int>(last.value));
    if (files.isEmpty()) {
        out << "no pictures in the history yet (" << shownPath(folder) << ")\n";
        return 0;
    }
    int status = 0;
    for (const HistoryFile& file : files) {
        const RecipeFromFile read = readRecipeFile(file.path);
        if (!read.recipe) {
            err << "momentart history: " << read.error << "\n";
            status = 1;
            continue;
        }
        const PictureSummary summary = summarizePicture(*read.recipe);
        out << QString::fromStdString(summary.name) << "  type " << QString::number(summary.type).leftJustified(2)
            << "  seed " << QString::number(summary.seed).leftJustified(10) << "  "
            << shownPath(file.path) << "\n";
    }
    return status;
}

}  // namespace momentart
