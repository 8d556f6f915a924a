// The variations grid (key V): the picture amid its eight centres
// variations, made in the background; a click makes one the picture on
// screen with its state and recipe; Escape or V closes the grid.
#include <QElapsedTimer>
#include <QMouseEvent>
#include <set>

#include <gtest/gtest.h>

#include "engine/recipe_variation.h"
#include "window/picture_view.h"
#include "window/variation_grid.h"
#include "window_test_support.h"

namespace momentart::testing {
namespace {

// Lets the grid's workers hand their pictures over, for up to a minute.
bool waitForVariations(const VariationGrid& grid) {
    QElapsedTimer timer;
    timer.start();
    while (grid.made() < VariationGrid::kVariations && timer.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return grid.made() == VariationGrid::kVariations;
}

void click(VariationGrid& grid, int cell) {
    const QPointF at = VariationGrid::cellRect(cell).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, grid.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&grid, &press);
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
    w->start();
    const Recipe original = w->lastRun().recipe;
    pressKey(*w, Qt::Key_V, "v");
    VariationGrid& grid = w->variationGrid();
    ASSERT_TRUE(grid.isVisible());
    ASSERT_TRUE(waitForVariations(grid));

    constexpr int kCell = 6;  // bottom left
    click(grid, kCell);
    EXPECT_FALSE(grid.isVisible());
    const Variation expected{VariationKind::Centres, VariationGrid::seedOfCell(kCell)};
    const RenderedPicture made = renderFromRecipe(variationRecipe(original, expected));
    EXPECT_EQ(differingPixels(w->picture(), *made.canvas), 0);
    EXPECT_GT(differingPixels(w->picture(), *renderFromRecipe(original).canvas), 0);
    EXPECT_EQ(w->pictureView().shown(), toQImage(*made.canvas));
    EXPECT_TRUE(sameState(w->state(), made.state));
    EXPECT_EQ(w->lastRun().recipe.variation.kind, VariationKind::Centres);
    EXPECT_EQ(w->lastRun().recipe.variation.seed, expected.seed);
    EXPECT_EQ(encodeRecipe(w->lastRun().recipe), encodeRecipe(made.recipe));
    // It enters the history as the picture shown, and the status line says so.
    ASSERT_EQ(w->history().size(), 2);
    EXPECT_TRUE(w->history().showingNewest());
    EXPECT_EQ(encodeRecipe(w->history().shown().recipe), encodeRecipe(made.recipe));
    EXPECT_TRUE(w->statusText().contains("centres " + QString::number(expected.seed))) << w->statusText().toStdString();
}

TEST(VariationGrid, AnEarlierPictureShownHasItsOwnVariations) {
    WindowUnderTest w;
    w->start();
    const Recipe first = w->lastRun().recipe;
    w->perform(WindowAction::NewImage);
    w->perform(WindowAction::Back);
    settle(*w);
    pressKey(*w, Qt::Key_V, "v");
    VariationGrid& grid = w->variationGrid();
    ASSERT_TRUE(waitForVariations(grid));
    click(grid, 0);
    EXPECT_EQ(differingPixels(w->picture(),
                              *renderFromRecipe(variationRecipe(first, {VariationKind::Centres, 1})).canvas),
              0);
    EXPECT_EQ(w->history().size(), 3);
}

TEST(VariationGrid, EscapeOrVClosesTheGridAndLeavesThePictureAndTheWindow) {
    WindowUnderTest w;
    w->start();
    const Canvas before = w->picture();
    VariationGrid& grid = w->variationGrid();
    for (const auto& [key, text] : {std::pair{Qt::Key_Escape, QString()}, std::pair{Qt::Key_V, QString("v")}}) {
        pressKey(*w, Qt::Key_V, "v");
        ASSERT_TRUE(grid.isVisible());
        pressKey(*w, key, text);
        EXPECT_FALSE(grid.isVisible()) << key;
        EXPECT_FALSE(w->exited()) << key;
        EXPECT_EQ(differingPixels(w->picture(), before), 0);
    }
    // A click on the picture itself closes it too; another command closes it
    // before it is carried out.
    pressKey(*w, Qt::Key_V, "v");
    click(grid, 4);
    EXPECT_FALSE(grid.isVisible());
    pressKey(*w, Qt::Key_V, "v");
    w->perform(WindowAction::NewImage);
    EXPECT_FALSE(grid.isVisible());
    EXPECT_EQ(w->runsMade(), 2);
    // With the grid closed, Escape is exit again.
    pressKey(*w, Qt::Key_Escape, {});
    EXPECT_TRUE(w->exited());
}

}  // namespace
}  // namespace momentart::testing
