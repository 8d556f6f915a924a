// The panel right of the picture: which picture is shown (name, type, seed,
// formula, colouring, drawing mode, when it was made, whether it is an
// earlier one) and the command that makes it again, selectable; while a
// picture grows, which one it is. The window puts the panel's buttons
// (Back, Forward, Keep, Large, Variations, Film) on it from its command table.
#pragma once

#include <QFrame>

#include "session/picture_history.h"


class QLabel;

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
};

// The panel's size in pixels, and the top of its row of buttons.
inline constexpr QSize kPanelSize{404, 410};
inline constexpr int kPanelButtonsTop = 300;

}  // namespace momentart
