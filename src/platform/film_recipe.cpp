#include "platform/film_recipe.h"

#include <QFile>
#include <QFileInfo>

extern "C" {
#include <libavformat/avformat.h>
}
#include <webp/mux.h>

#include "platform/film_writer.h"
#include "platform/film_xmp.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

// The recipe texts of a film (a second one is a fault), or why they cannot
// be read (`error`).
struct RecipeText {
    QStringList texts;
    QString error;
};

void addComments(const AVDictionary* metadata, QStringList& texts) {
    const AVDictionaryEntry* entry = nullptr;
    while ((entry = av_dict_get(metadata, "comment", entry, 0)) != nullptr)
        if (*entry->value != '\0') texts << QString::fromUtf8(entry->value);
}

RecipeText commentOfContainer(const QString& path) {
    av_log_set_level(AV_LOG_QUIET);
    AVFormatContext* film = nullptr;
    if (const int error = avformat_open_input(&film, path.toLocal8Bit().constData(), nullptr, nullptr); error < 0) {
        char reason[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(error, reason, sizeof reason);
        return {{}, QString("cannot read it as a film (%1)").arg(reason)};
    }
    // The container's comment, and any a stream carries.
    RecipeText found;
    addComments(film->metadata, found.texts);
    for (unsigned n = 0; n < film->nb_streams; ++n) addComments(film->streams[n]->metadata, found.texts);
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
    RecipeText recipes;
    for (const auto& [key, value] : textsOfXmp(packet))
        if (key == "Recipe") recipes.texts << value;
    return recipes;
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
    if (!read.error.isEmpty()) return {std::nullopt, shownPath(path) + ": " + read.error};
    if (read.texts.isEmpty())
        return {std::nullopt, path + ": this film carries no recipe (it is not a film momentart made, or its "
                                     "metadata was removed)"};
    QStringList texts = read.texts;
    // Containers may keep a text without its last line end.
    for (QString& text : texts)
        if (!text.endsWith('\n')) text += '\n';
    return decodeCarriedRecipe(path, texts, "film");
}

}  // namespace momentart
