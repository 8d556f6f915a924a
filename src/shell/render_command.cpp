#include "shell/render_command.h"

#include <QDir>

#include "generation/catalogue.h"
#include "shell/image_convert.h"
#include "shell/image_files.h"
#include "shell/options.h"
#include "shell/pictures_folder.h"
#include "shell/renderer.h"
#include "shell/system_clock.h"

namespace momentart {

namespace {

const QList<OptionSpec> kRenderOptions = {
    {"type", "N", "image type 9..66 (default: drawn at random, as \"new image\" does)"},
    {"seed", "S", "seed 0..4294967295 used in place of the timer (default: the timer now)"},
    {"no-stamp", nullptr, "leave out the signature line: exactly the computed pixels"},
    {"out", "FILE", "write to FILE (.png or .bmp); default: a new file named after the picture "
                    "in the momentart folder of your Pictures folder"},
    {"force", nullptr, "replace FILE given with --out if it exists"},
    {"help", nullptr, "show this help"},
};

struct RenderRequest {
    RenderSpec spec;
    bool seedGiven = false;
    QString out;
    bool force = false;
};

// Checks the options; returns an error line, or fills `request`.
QString readRequest(const ParsedOptions& options, RenderRequest& request) {
    if (options.has("type")) {
        const auto type = parseWhole(options.value("type"), kFirstType, kLastType);
        if (!type) return "--type must be a whole number from 9 to 66, not '" + options.value("type") + "'";
        request.spec.type = static_cast<int>(*type);
    }
    if (options.has("seed")) {
        const auto seed = parseWhole(options.value("seed"), 0, 4294967295ULL);
        if (!seed)
            return "--seed must be a whole number from 0 to 4294967295, not '" + options.value("seed") + "'";
        request.spec.seed = static_cast<std::uint32_t>(*seed);
        request.seedGiven = true;
    } else {
        request.spec.seed = timerSeedNow();
    }
    request.spec.stamp = !options.has("no-stamp");
    request.force = options.has("force");
    if (options.has("out")) {
        request.out = options.value("out");
        if (formatOfPath(request.out) == ImageFormat::Unknown)
            return "--out must name a .png or .bmp file, not '" + request.out + "'";
    }
    if (request.force && request.out.isEmpty()) return "--force goes with --out";
    return {};
}

}  // namespace

QString renderHelp() {
    return "usage: momentart render [options]\n"
           "Computes one picture, as the window's \"new image\" does at start-up, and writes it.\n"
           "Prints the file written, the picture's name, its image type and its seed.\n\n"
           "options:\n" +
           describeOptions(kRenderOptions) +
           "\nexit status: 0 written, 1 the file could not be written, 2 bad input\n";
}

int renderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const ParsedOptions options = parseOptions(arguments, kRenderOptions);
    if (!options.error.isEmpty()) {
        err << "momentart render: " << options.error << " (see momentart render --help)\n";
        return 2;
    }
    if (options.has("help")) {
        out << renderHelp();
        return 0;
    }
    RenderRequest request;
    if (const QString error = readRequest(options, request); !error.isEmpty()) {
        err << "momentart render: " << error << "\n";
        return 2;
    }

    const RenderedPicture picture = renderFresh(request.spec);
    const QString name = QString::fromStdString(picture.state.imeslike);
    QString path = request.out;
    if (path.isEmpty()) {
        const QString folder = defaultPicturesFolder();
        if (const QString error = ensureFolder(folder); !error.isEmpty()) {
            err << "momentart render: " << error << "\n";
            return 1;
        }
        path = freePath(folder, name, "png");
    }
    const WriteResult written = writeImage(toQImage(*picture.canvas), path, request.force);
    if (!written.ok) {
        err << "momentart render: cannot write " << written.error << "\n";
        return 1;
    }
    out << "file: " << QDir::toNativeSeparators(path) << "\n"
        << "name: " << name << "\n"
        << "type: " << static_cast<int>(picture.state.izbor) << "\n"
        << "seed: " << request.spec.seed << "\n";
    return 0;
}

}  // namespace momentart
