// Films of a picture growing, behind one small interface: MP4 (H.264),
// WebM (VP9) and APNG written with FFmpeg's libraries, animated WebP with
// libwebp. Each carries the picture's texts (its recipe among them).
#pragma once

#include <QString>
#include <memory>

#include "engine/canvas.h"
#include "platform/image_files.h"

namespace momentart {

enum class FilmFormat { Mp4, WebM, Apng, WebP, Unknown };

// The format a path's extension names (.mp4, .webm, .apng, .webp, any case).
FilmFormat filmFormatOfPath(const QString& path);

// The extensions of films, for messages: ".mp4, .webm, .apng or .webp".
QString filmExtensions();

// 0..100, higher is better and larger: the x264 CRF is 51 (100 - q) / 100
// (at least 1: CRF 0 takes a profile browsers do not play),
// the VP9 CRF 63 (100 - q) / 100, WebP's quality q (100: lossless); APNG is
// always lossless.
inline constexpr int kDefaultFilmQuality = 60;

struct FilmSettings {
    int width = Canvas::kWidth;
    int height = Canvas::kHeight;
    int fps = 30;
    int quality = kDefaultFilmQuality;
    // Software, Title, Type, Seed, Scale, Recipe, ... (platform/recipe_png.h):
    // an MP4 or WebM keeps Title as its title and Recipe as its comment, an
    // APNG all of them as PNG texts, a WebP all of them in its XMP.
    ImageTexts texts;
};

class FilmWriter {
public:
    virtual ~FilmWriter() = default;
    // Encodes the next frame (of the settings' size). Returns why it
    // failed, or nothing.
    virtual QString add(const Canvas& frame) = 0;
    // The last frame once more (a finished picture held).
    virtual QString repeat() = 0;
    // Ends the film and its file. Returns why it failed, or nothing. A writer
    // destroyed unfinished leaves an incomplete file behind.
    virtual QString finish() = 0;
};

// A writer of `format` into `path` (created or emptied), or null and why not
// in `error`.
std::unique_ptr<FilmWriter> openFilmWriter(FilmFormat format, const QString& path, const FilmSettings& settings,
                                           QString& error);

// The writers of each library (film_writer_libav.cpp, film_writer_webp.cpp).
std::unique_ptr<FilmWriter> openLibavFilmWriter(FilmFormat format, const QString& path,
                                                const FilmSettings& settings, QString& error);
std::unique_ptr<FilmWriter> openWebpFilmWriter(const QString& path, const FilmSettings& settings, QString& error);

// The value of `key` among `texts`, or an empty string.
QString textOf(const ImageTexts& texts, const QString& key);

}  // namespace momentart
