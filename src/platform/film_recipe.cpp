#include "platform/film_recipe.h"

#include <QFile>
#include <QFileInfo>

extern "C" {
#include <libavformat/avformat.h>
}
#include <webp/mux.h>

#include "platform/film_writer.h"
#include "platform/film_xmp.h"

namespace momentart {

namespace {

// The recipe text of a film, or why there is none (`error`).
struct RecipeText {
    QString text;
    QString error;
};

RecipeText commentOfContainer(const QString& path) {
    av_log_set_level(AV_LOG_QUIET);
    AVFormatContext* film = nullptr;
    if (const int error = avformat_open_input(&film, path.toLocal8Bit().constData(), nullptr, nullptr); error < 0) {
        char reason[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(error, reason, sizeof reason);
        return {{}, QString("cannot read it as a film (%1)").arg(reason)};
    }
    const AVDictionaryEntry* comment = av_dict_get(film->metadata, "comment", nullptr, 0);
    RecipeText found{comment != nullptr ? QString::fromUtf8(comment->value) : QString(), {}};
    avformat_close_input(&film);
    return found;
}

RecipeText xmpOfWebp(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString()};
    const QByteArray bytes = file.readAll();
    const WebPData data{reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
    WebPMux* mux = WebPMuxCreate(&data, 0);
    if (mux == nullptr) return {{}, "cannot read it as a WebP film"};
    WebPData xmp;
    const bool found = WebPMuxGetChunk(mux, "XMP ", &xmp) == WEBP_MUX_OK;
    const QByteArray packet = found ? QByteArray(reinterpret_cast<const char*>(xmp.bytes), static_cast<qsizetype>(xmp.size))
                                    : QByteArray();
    WebPMuxDelete(mux);
    return {textOf(textsOfXmp(packet), "Recipe"), {}};
}

}  // namespace

RecipeFromFile readRecipeFromFilm(const QString& path) {
    const FilmFormat format = filmFormatOfPath(path);
    // An APNG is a PNG whose first frame readers show: its texts are a PNG's.
    if (format == FilmFormat::Apng) return readRecipeFromPicture(path);
    const QFileInfo info(path);
    if (info.isDir()) return {std::nullopt, path + ": a folder, not a film"};
    if (!info.exists()) return {std::nullopt, path + ": no such file"};
    if (!info.isFile()) return {std::nullopt, path + ": not a regular file (a device or a pipe)"};
    const RecipeText read = format == FilmFormat::WebP ? xmpOfWebp(path) : commentOfContainer(path);
    if (!read.error.isEmpty()) return {std::nullopt, path + ": " + read.error};
    if (read.text.isEmpty())
        return {std::nullopt, path + ": this film carries no recipe (it is not a film momentart made, or its "
                                     "metadata was removed)"};
    // Containers may keep a text without its last line end.
    std::string text = read.text.toStdString();
    if (!text.ends_with('\n')) text += '\n';
    const RecipeReading recipe = decodeRecipe(text);
    if (!recipe.recipe) return {std::nullopt, path + ": damaged recipe: " + QString::fromStdString(recipe.error)};
    return {recipe.recipe, {}};
}

}  // namespace momentart
