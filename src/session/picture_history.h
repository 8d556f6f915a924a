// Every picture the window has made this session, oldest first: its recipe,
// what it is, a thumbnail and when it was made, and which of them is shown.
// Browsing only moves what is shown; the window's live state is elsewhere.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QMap>
#include <QString>
#include <optional>
#include <vector>

#include "engine/interest.h"
#include "engine/picture_summary.h"
#include "engine/recipe.h"

namespace momentart {

struct HistoryPicture {
    Recipe recipe;
    PictureSummary summary;
    QImage thumbnail;
    QDateTime made;      // when this window made it (or made it again, when opened)
    QString recipeFile;  // a file that makes it again (history or a save); empty: none yet
    QMap<int, QString> kept;  // the PNGs Keep (scale 1) and Large wrote of it, by scale
    QString film;             // the film Film wrote of it; empty: none yet
    std::optional<Interest> interest;  // how much there is to look at; unset where not measured
};

// `file` when it is still on the disk: a picture saved there once is not
// written again; empty otherwise.
QString stillSaved(const QString& file);

// The size of a picture's thumbnail, and the thumbnail itself.
inline constexpr QSize kThumbnailSize{80, 60};
QImage thumbnailOf(const QImage& picture);

// A picture just made from `recipe` (or opened, when `openedFrom` names its
// file), as the history keeps it: nothing saved of it yet.
HistoryPicture madeNow(const Recipe& recipe, const QImage& picture, const QString& openedFrom = {});

class PictureHistory {
public:
    // The new picture is the newest, and shown.
    void add(HistoryPicture picture);

    int size() const { return static_cast<int>(pictures_.size()); }
    bool empty() const { return pictures_.empty(); }
    int shownIndex() const { return shown_; }
    bool showingNewest() const { return shown_ == size() - 1; }
    const HistoryPicture& at(int index) const { return pictures_.at(static_cast<std::size_t>(index)); }
    HistoryPicture& at(int index) { return pictures_.at(static_cast<std::size_t>(index)); }
    const HistoryPicture& shown() const { return at(shown_); }
    HistoryPicture& shown() { return at(shown_); }

    // Notes `path` as the file that makes picture `index` again, unless one
    // is noted already (the first file told of stays); true if it was noted.
    bool noteRecipeFile(int index, const QString& path);
    // Shows picture `index`; false (and nothing changes) when there is none.
    bool show(int index);

private:
    std::vector<HistoryPicture> pictures_;
    int shown_ = -1;
};

}  // namespace momentart
