// Makes the program's icon from one of its own pictures: a fixed image type
// and seed, rendered without the stamp exactly as `momentart render --type T
// --seed S --no-stamp` renders it, cut to the square at its centre and scaled
// down with area averaging to each size of the hicolor icon theme.
//
//   momentart_icon TYPE SEED NAME FOLDER SIZE...
//
// writes FOLDER/<SIZE>x<SIZE>/apps/NAME.png for each SIZE.
#include <QDir>
#include <QCoreApplication>
#include <QTextStream>

#include "platform/image_convert.h"
#include "platform/image_files.h"
#include "platform/options.h"
#include "platform/renderer.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    QTextStream err(stderr);
    const auto fail = [&err](const QString& message) {
        err << "momentart_icon: " << message << "\n";
        return 1;
    };
    if (arguments.size() < 5) return fail("usage: momentart_icon TYPE SEED NAME FOLDER SIZE...");

    const auto type = momentart::parseWhole(arguments[0], 9, 66);
    const auto seed = momentart::parseWhole(arguments[1], 0, 4294967295ULL);
    if (!type || !seed) return fail("TYPE must be 9..66 and SEED 0..4294967295");
    momentart::RenderSettings settings;
    settings.type = static_cast<int>(*type);
    settings.seed = static_cast<std::uint32_t>(*seed);
    settings.stamp = false;
    const QImage picture = momentart::toQImage(*momentart::renderFresh(settings).canvas);

    const int side = std::min(picture.width(), picture.height());
    const QImage square = picture.copy((picture.width() - side) / 2, (picture.height() - side) / 2, side, side);
    for (const QString& sizeText : arguments.mid(4)) {
        const auto size = momentart::parseWhole(sizeText, 16, static_cast<unsigned long long>(side));
        if (!size) return fail(QString("SIZE must be 16..%1, not '%2'").arg(side).arg(sizeText));
        const int pixels = static_cast<int>(*size);
        const QString folder = QString("%1/%2x%2/apps").arg(arguments[3]).arg(pixels);
        if (!QDir().mkpath(folder)) return fail("cannot make the folder " + folder);
        // Qt's smooth scaling averages every source pixel a target pixel
        // covers, so the fine lines of a picture blend instead of aliasing.
        const QImage icon = square.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const momentart::WriteResult written =
            momentart::writeImage(icon, folder + "/" + arguments[2] + ".png", true);
        if (!written.ok) return fail("cannot write " + written.error);
    }
    return 0;
}
