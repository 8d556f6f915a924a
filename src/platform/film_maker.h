// A film of a picture growing, made from the picture's recipe: the picture
// is computed once, on `jobs` threads, while a thread of its own encodes the
// frames cut from it (engine/growth_frames.h); then the finished picture,
// stamped as the recipe says, is held. The file is written under a temporary
// name and put in place only when whole.
#pragma once

#include <QString>

#include "engine/recipe.h"
#include "platform/film_writer.h"
#include "platform/whole_file.h"

namespace momentart {

inline constexpr int kMostFilmSeconds = 600;  // of growth, and of hold
inline constexpr int kMostFilmFps = 120;

struct FilmPlan {
    Recipe recipe;    // the picture, with its scale and stamp
    int seconds = 4;  // of growth
    int hold = 2;     // seconds the finished picture stays
    int fps = 30;
    int quality = kDefaultFilmQuality;
    int jobs = 1;     // threads computing the picture
};

// Every frame of the film: (seconds + hold) x fps.
int filmFrames(const FilmPlan& plan);

class FilmProgress {
public:
    virtual ~FilmProgress() = default;
    // `written` of `total` frames are encoded: told with 0 once the film's
    // file is open, then from the encoding thread.
    virtual void framesWritten(int written, int total) = 0;
    // Asked from any thread: true stops the film, and no file is left.
    virtual bool cancelled() = 0;
};

struct FilmOutcome {
    enum class Result { Written, Cancelled, Failed };
    Result result = Result::Failed;
    QString error;  // one line naming the file and the reason, when Failed
    QString path;   // the file written, when Written
};

// The texts a film of the recipe's picture carries (recipe_png.h).
ImageTexts filmTexts(const Recipe& recipe);

// Makes the film into `path`, whose extension names the format; where a
// file of that name is (or appears meanwhile), does as `ifTaken` says.
FilmOutcome makeFilm(const FilmPlan& plan, const QString& path, IfTaken ifTaken, FilmProgress& progress);

}  // namespace momentart
