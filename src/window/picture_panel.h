// The panel right of the picture: which picture is shown (name, type, the
// timer seed of its run, formula, colouring, drawing mode, when it was made,
// its interest figures, whether it is an earlier one) and the command that
// makes it again, selectable and copied by its Copy button; while a picture
// grows, which one it is. The window puts the panel's buttons (Back,
// Forward, Keep, Large, Variations, Film) on it from its command table.
#pragma once

#include <QFrame>

#include "session/picture_history.h"


class QLabel;
class QPushButton;

namespace momentart {

struct GrowingPicture;

class PicturePanel final : public QFrame {
public:
    explicit PicturePanel(QWidget* parent = nullptr);

    // Describes picture `index` of `history`.
    void showPicture(const PictureHistory& history, int index);
    // Describes the picture growing now, as far as it is known.
    void showGrowing(const GrowingPicture& growing);

    // The command that makes `recipeFile` again, quoted for a shell.
    static QString remakeCommand(const QString& recipeFile);

private:
    QLabel* name_;
    QLabel* position_;
    QLabel* details_;
    QLabel* command_;
    QPushButton* copy_;
    QString remake_;  // the command Copy puts on the clipboard; empty: none yet
};

// The panel's size in pixels, and the top of its row of buttons.
inline constexpr QSize kPanelSize{404, 464};
inline constexpr int kPanelButtonsTop = 356;

}  // namespace momentart
