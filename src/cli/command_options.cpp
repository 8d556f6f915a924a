#include "cli/command_options.h"

#include "platform/image_files.h"
#include "platform/path_status.h"
#include "platform/pictures_folder.h"
#include "platform/stamp_face.h"
#include "platform/worker_pool.h"

namespace momentart {

WholeOption jobsOption(const ParsedOptions& options) {
    return wholeOption(options, "jobs", 1, kMostJobs, everyCore());
}

QString defaultOutputFolder(QString& folder) {
    const ReadyFolder ready = readyPicturesFolder();
    if (!homeMissing().isEmpty()) return ready.error + ": name where to write with --out";
    folder = ready.path;
    return ready.error;
}

bool stampsPicture(const QStringList& arguments, const QList<OptionInfo>& table) {
    const ParsedOptions options = parseOptions(arguments, table);
    return !options.error.isEmpty() || options.has("from") || !options.has("no-stamp");
}

bool stampFaceMissing(const char* command, bool stamp, QTextStream& err) {
    if (!stamp || stampFace()) return false;
    err << "momentart " << command << ": " << missingStampFaceMessage() << "\n";
    return true;
}

QString outPathLengthProblem(const ParsedOptions& options) {
    if (!options.has("out") || !pathTooLong(options.value("out"))) return {};
    return options.value("out") + ": the path is too long";
}

QString checkOutputFileOptions(const ParsedOptions& options) {
    if (const QString problem = outPathLengthProblem(options); !problem.isEmpty()) return problem;
    if (options.has("out")) {
        const QString out = options.value("out");
        if (out.isEmpty()) return "--out needs a path";
        if (formatOfPath(out) == ImageFormat::Unknown)
            return "--out must name a .png or .bmp file, not '" + out + "'";
    }
    if (options.has("force") && !options.has("out")) return "--force goes with --out";
    return {};
}

}  // namespace momentart
