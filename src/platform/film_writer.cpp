#include "platform/film_writer.h"

#include <QFileInfo>

namespace momentart {

namespace {

struct FilmExtension {
    const char* extension;
    FilmFormat format;
};

constexpr FilmExtension kFilmExtensions[] = {
    {"mp4", FilmFormat::Mp4},
    {"webm", FilmFormat::WebM},
    {"apng", FilmFormat::Apng},
    {"webp", FilmFormat::WebP},
};

}  // namespace

FilmFormat filmFormatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FilmExtension& known : kFilmExtensions)
        if (suffix == QLatin1String(known.extension)) return known.format;
    return FilmFormat::Unknown;
}

QString filmExtensions() {
    QStringList names;
    for (const FilmExtension& known : kFilmExtensions) names << QString(".") + known.extension;
    const QString last = names.takeLast();
    return names.join(", ") + " or " + last;
}

std::unique_ptr<FilmWriter> openFilmWriter(FilmFormat format, const QString& path, const FilmSettings& settings,
                                           QString& error) {
    switch (format) {
        case FilmFormat::Mp4:
        case FilmFormat::WebM:
        case FilmFormat::Apng: return openLibavFilmWriter(format, path, settings, error);
        case FilmFormat::WebP: return openWebpFilmWriter(path, settings, error);
        case FilmFormat::Unknown: break;
    }
    error = path + ": a film's name must end in " + filmExtensions();
    return nullptr;
}

QString textOf(const ImageTexts& texts, const QString& key) {
    for (const auto& [name, value] : texts)
        if (name == key) return value;
    return {};
}

}  // namespace momentart
