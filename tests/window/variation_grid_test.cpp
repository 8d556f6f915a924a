// The variations grid (key V): the picture amid its eight centres
// variations, made in the background; a click makes one the picture on
// screen with its state and recipe; Escape or V closes the grid.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMouseEvent>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "engine/recipe_variation.h"
#include "window/escape_rule.h"
#include "window/picture_view.h"
#include "window/variation_grid.h"
#include "window_test_support.h"

namespace momentart::testing {
namespace {

// Lets the session hand the variations over, for up to a minute.
bool waitForVariations(const PictureSession& session) {
    QElapsedTimer timer;
    timer.start();
    while (session.variationsMade() < PictureSession::kVariations && timer.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return session.variationsMade() == PictureSession::kVariations;
}

void click(WindowUnderTest& w, int cell) {
    VariationGrid& grid = w->variationGrid();
    const QPointF at = VariationGrid::cellRect(cell).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, grid.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&grid, &press);
    settle(w.session());
}

TEST(VariationGrid, ThreeByThreeCellsWithThePictureInTheMiddleAndSeedsOneToEight) {
    std::set<std::uint32_t> seeds;
    for (int cell = 0; cell < 9; ++cell) {
        EXPECT_EQ(VariationGrid::cellAt(VariationGrid::cellRect(cell).center()), cell);
        if (cell != 4) seeds.insert(VariationGrid::seedOfCell(cell));
    }
    EXPECT_EQ(VariationGrid::seedOfCell(4), 0u);
    EXPECT_EQ(seeds, (std::set<std::uint32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(VariationGrid::cellAt({600, 10}), -1);
}

TEST(VariationGrid, AClickMakesTheVariationThePictureOnScreenWithItsStateAndRecipe) {
    WindowUnderTest w;
    w.start();
    PictureSession& s = w.session();
    const Recipe original = s.lastRun().recipe;
    w.press(Qt::Key_V, "v");
    VariationGrid& grid = w->variationGrid();
    ASSERT_TRUE(grid.isVisible());
    ASSERT_TRUE(waitForVariations(s));

    constexpr int kCell = 6;  // bottom left
    click(w, kCell);
    EXPECT_FALSE(grid.isVisible());
    const Variation expected{VariationKind::Centres, VariationGrid::seedOfCell(kCell)};
    const RenderedPicture made = renderFromRecipe(variationRecipe(original, expected));
    EXPECT_EQ(differingPixels(s.picture(), *made.canvas), 0);
    EXPECT_GT(differingPixels(s.picture(), *renderFromRecipe(original).canvas), 0);
    EXPECT_EQ(w->pictureView().shown(), toQImage(*made.canvas));
    EXPECT_TRUE(sameState(s.state(), made.state));
    EXPECT_EQ(s.lastRun().recipe.variation.kind, VariationKind::Centres);
    EXPECT_EQ(s.lastRun().recipe.variation.seed, expected.seed);
    EXPECT_EQ(encodeRecipe(s.lastRun().recipe), encodeRecipe(made.recipe));
    // It enters the history as the picture shown, and the status line says so.
    ASSERT_EQ(s.history().size(), 2);
    EXPECT_TRUE(s.history().showingNewest());
    EXPECT_EQ(encodeRecipe(s.history().shown().recipe), encodeRecipe(made.recipe));
    EXPECT_TRUE(w->statusText().contains("centres " + QString::number(expected.seed))) << w->statusText().toStdString();
    // Kept, its file says it is a variation.
    w.press(Qt::Key_S, "s", Qt::ControlModifier);
    ASSERT_EQ(w.reports.savedPaths.size(), 1) << w.reports.messages.join("; ").toStdString();
    EXPECT_EQ(QFileInfo(w.reports.savedPaths[0]).fileName(),
              QString("%1-centres%2.png").arg(QString::fromStdString(s.state().imeslike)).arg(expected.seed));
}

TEST(VariationGrid, AnEarlierPictureShownHasItsOwnVariations) {
    WindowUnderTest w;
    w.start();
    PictureSession& s = w.session();
    const Recipe first = s.lastRun().recipe;
    s.perform(WindowAction::NewImage);
    s.perform(WindowAction::Back);
    settle(s);
    w.press(Qt::Key_V, "v");
    ASSERT_TRUE(waitForVariations(s));
    click(w, 0);
    EXPECT_EQ(differingPixels(s.picture(), *renderFromRecipe(variationRecipe(first, {VariationKind::Centres, 1})).canvas),
              0);
    EXPECT_EQ(s.history().size(), 3);
}

// Without a mouse: the arrow keys move the focus frame (stopping at the
// edges), Enter or a digit takes a cell, Escape or V close the grid.
TEST(VariationGrid, TheKeyboardMovesTheFrameTakesACellAndClosesTheGrid) {
    WindowUnderTest w;
    w.start();
    PictureSession& s = w.session();
    const Recipe original = s.lastRun().recipe;
    const Canvas before = s.picture();
    VariationGrid& grid = w->variationGrid();
    for (const auto& [key, text] : {std::pair{Qt::Key_Escape, QString()}, std::pair{Qt::Key_V, QString("v")}}) {
        w.press(Qt::Key_V, "v");
        ASSERT_TRUE(grid.isVisible());
        w.press(key, text);
        EXPECT_FALSE(grid.isVisible()) << key;
        EXPECT_FALSE(s.exited()) << key;
        EXPECT_EQ(differingPixels(s.picture(), before), 0);
    }

    w.press(Qt::Key_V, "v");
    EXPECT_EQ(grid.focusCell(), 4);
    for (const int key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left, Qt::Key_Down})
        w.press(key, {});
    EXPECT_EQ(grid.focusCell(), 3);  // middle row, left
    EXPECT_EQ(s.history().size(), 1);  // Left and Right moved the frame, not the history
    ASSERT_TRUE(waitForVariations(s));
    w.press(Qt::Key_Return, {});
    EXPECT_FALSE(grid.isVisible());
    const Recipe third = variationRecipe(original, {VariationKind::Centres, VariationGrid::seedOfCell(3)});
    EXPECT_EQ(encodeRecipe(s.lastRun().recipe), encodeRecipe(third));

    // 9 takes the bottom right cell of the new picture's own variations.
    w.press(Qt::Key_V, "v");
    ASSERT_TRUE(waitForVariations(s));
    w.press(Qt::Key_9, "9");
    EXPECT_EQ(encodeRecipe(s.lastRun().recipe),
              encodeRecipe(variationRecipe(third, {VariationKind::Centres, VariationGrid::seedOfCell(8)})));
    EXPECT_EQ(s.history().size(), 3);

    // A click on the picture itself closes the grid; another command closes
    // it before it is carried out; with it closed, Escape is exit again.
    auto now = std::chrono::steady_clock::time_point{};
    s.escapeRule().setClock([&] { return now; });
    w.press(Qt::Key_V, "v");
    click(w, 4);
    EXPECT_FALSE(grid.isVisible());
    w.press(Qt::Key_V, "v");
    s.perform(WindowAction::NewImage);
    settle(s);
    EXPECT_FALSE(grid.isVisible());
    EXPECT_EQ(s.runsMade(), 2);
    // An Escape meant for the grid just closed ends nothing; the next one does.
    w.press(Qt::Key_Escape, {});
    EXPECT_FALSE(s.exited());
    EXPECT_EQ(w->statusText(), EscapeRule::kWarning);
    w.press(Qt::Key_Escape, {});
    EXPECT_TRUE(s.exited());
}

// C, O, F and Z choose the part varied, as `vary --what` does (F is not the
// film, C not the save, while the grid is open); the status bar names the
// part, and nothing covers the cells.
TEST(VariationGrid, PartKeysChooseWhatIsVariedAndTheCaptionCoversNoCell) {
    WindowUnderTest w;
    w.start();
    PictureSession& s = w.session();
    const Recipe original = s.lastRun().recipe;
    VariationGrid& grid = w->variationGrid();
    w.press(Qt::Key_V, "v");
    EXPECT_TRUE(w->statusText().startsWith("Varying the centres")) << w->statusText().toStdString();
    ASSERT_TRUE(waitForVariations(s));
    // The bottom middle cell is the variation itself, inside the grid lines.
    const QImage drawn = grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect cell = VariationGrid::cellRect(7).adjusted(1, 1, 0, 0);
    EXPECT_EQ(drawn.copy(cell), s.variationImage(6).convertToFormat(QImage::Format_RGB32).copy(
                                    cell.translated(-VariationGrid::cellRect(7).topLeft())));

    w.press(Qt::Key_O, "o");
    EXPECT_TRUE(w->statusText().startsWith("Varying the colours")) << w->statusText().toStdString();
    ASSERT_TRUE(waitForVariations(s));
    w.press(Qt::Key_2, "2");
    EXPECT_EQ(encodeRecipe(s.lastRun().recipe),
              encodeRecipe(variationRecipe(original, {VariationKind::Colours, VariationGrid::seedOfCell(1)})));

    for (const auto& [key, text, kind] : {std::tuple{Qt::Key_F, "f", VariationKind::Formula},
                                           std::tuple{Qt::Key_Z, "z", VariationKind::Zoom}}) {
        w.press(Qt::Key_V, "v");
        w.press(key, text);
        EXPECT_FALSE(s.filmRunning());
        EXPECT_EQ(s.variationPart(), kind);
        const bool free = variationFree(plannedState(s.history().shown().recipe), kind);
        EXPECT_EQ(s.variationPartFixed(), !free);
        EXPECT_EQ(w->statusText().contains(" fixes the "), !free) << w->statusText().toStdString();
        if (free) {
            ASSERT_TRUE(waitForVariations(s));
        }
        w.press(Qt::Key_Escape, {});
    }
    w.press(Qt::Key_V, "v");
    w.press(Qt::Key_C, "c");
    EXPECT_EQ(s.variationPart(), VariationKind::Centres);
    EXPECT_TRUE(QDir(w.folder.filePath("c")).isEmpty());
}

}  // namespace
}  // namespace momentart::testing
