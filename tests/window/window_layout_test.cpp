// Form1's layout: the title, the eight buttons with their captions at their
// places, the tab order, the keys, and Picture1 with its 600 x 450 inside.
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>

#include <gtest/gtest.h>

#include "window/picture_view.h"
#include "engine/startup.h"
#include "window/window_commands.h"
#include "window_test_support.h"

namespace momentart::testing {
namespace {

struct ExpectedButton {
    const char* name;
    QString caption;
    QRect pixels;
    int key;  // 0: none
};

// The layout in window pixels (15 twips to a pixel), in tab order.
QList<ExpectedButton> expectedButtons() {
    return {
        {"Command1",
         QString("GENERATIVE ART BY TAMIREN (web: ") + kAuthorWeb + ",  email: " + kAuthorEmail + " )",
         {8, 16, 537, 25}, 0},
        {"Command2", "CREATE YOUR OWN ARTWORK BY CHOOSING THE RIGHT MOMENT OF PROCESS START", {8, 56, 537, 25}, 0},
        {"Command3", "REAL TIME ENTIRELY COMPUTER GENERATED IMAGE USING MATHEMATICAL ALGORITHMS",
         {8, 680, 537, 25}, 0},
        {"Command5", "new image", {8, 96, 73, 17}, Qt::Key_N},
        {"Command6", "exit", {376, 96, 41, 17}, 0},
        {"Command4", "repeat the same type", {88, 96, 121, 17}, Qt::Key_R},
        {"Command7", "save on D:", {216, 96, 73, 17}, Qt::Key_D},
        {"Command8", "save on C:", {296, 96, 73, 17}, Qt::Key_C},
    };
}

TEST(WindowLayout, TitleIsForm1) {
    WindowUnderTest w;
    EXPECT_EQ(w->windowTitle(), "Form1");
    EXPECT_EQ(w->objectName(), "Form1");
}

TEST(WindowLayout, ButtonsHaveTheirCaptionsAndPlaces) {
    WindowUnderTest w;
    // Form1's eight command buttons (the Large line's Cancel is not one).
    const QList<QPushButton*> buttons =
        w->client().findChildren<QPushButton*>(QRegularExpression("^Command[1-8]$"));
    EXPECT_EQ(buttons.size(), 8);
    for (const ExpectedButton& expected : expectedButtons()) {
        SCOPED_TRACE(expected.name);
        auto* button = w->client().findChild<QPushButton*>(expected.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), expected.caption);
        EXPECT_EQ(button->geometry(), expected.pixels);
        EXPECT_TRUE(button->isVisible());
    }
}

TEST(WindowLayout, AttributionUsesTheProjectsOwnAddresses) {
    const QString caption = attributionCaption();
    EXPECT_TRUE(QString(kAuthorWeb).startsWith("https://"));
    EXPECT_TRUE(QString(kAuthorWeb).endsWith(".example.org"));
    EXPECT_TRUE(QString(kAuthorEmail).contains("@"));
    EXPECT_TRUE(QString(kAuthorEmail).endsWith(".example.org"));
    EXPECT_TRUE(caption.contains(kAuthorWeb));
    EXPECT_TRUE(caption.contains(kAuthorEmail));
}

TEST(WindowLayout, TabOrderFollowsTheTable) {
    WindowUnderTest w;
    const QList<ExpectedButton> expected = expectedButtons();
    for (int n = 0; n + 1 < expected.size(); ++n) {
        auto* button = w->client().findChild<QPushButton*>(expected[n].name);
        ASSERT_NE(button, nullptr);
        QWidget* next = button->nextInFocusChain();
        while (next != nullptr && next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next->objectName(), expected[n + 1].name) << "after " << expected[n].name;
    }
}

TEST(WindowLayout, EachCommandButtonHasOneKeyAndTheWideButtonsNone) {
    WindowUnderTest w;
    const QList<QShortcut*> shortcuts = w->findChildren<QShortcut*>();
    // Four of the five buttons, Escape (cancel, or exit), Left, Right, Ctrl+S, L, V, F and F11.
    EXPECT_EQ(shortcuts.size(), 12);
    const QShortcut* escape = w->findChild<QShortcut*>("EscKey");
    ASSERT_NE(escape, nullptr);
    EXPECT_EQ(escape->key(), QKeySequence(Qt::Key_Escape));
    for (const ExpectedButton& expected : expectedButtons()) {
        SCOPED_TRACE(expected.name);
        int found = 0;
        for (const QShortcut* shortcut : shortcuts)
            if (shortcut->objectName() == QString(expected.name) + "Key") {
                ++found;
                EXPECT_EQ(shortcut->key(), QKeySequence(expected.key));
            }
        EXPECT_EQ(found, expected.key == 0 ? 0 : 1);
    }
}

TEST(WindowLayout, Picture1HasASunkenBorderAroundA600By450Inside) {
    WindowUnderTest w;
    auto* picture = w->client().findChild<PictureView*>("Picture1");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture, &w->pictureView());
    EXPECT_EQ(picture->geometry().topLeft(), QPoint(104, 184));
    EXPECT_EQ(picture->contentsRect().size(), QSize(600, 450));
    EXPECT_EQ(picture->frameShape(), QFrame::Panel);
    EXPECT_EQ(picture->frameShadow(), QFrame::Sunken);
    EXPECT_GT(picture->frameWidth(), 0);
    EXPECT_EQ(picture->shown().size(), QSize(600, 450));
    // Between the row of command buttons and the second slogan.
    const auto* slogan = w->client().findChild<QPushButton*>("Command3");
    ASSERT_NE(slogan, nullptr);
    EXPECT_LT(picture->geometry().bottom(), slogan->geometry().top());
    EXPECT_GT(picture->geometry().top(), 96 + 17);
}

// What the window adds to Form1 (the status bar, the thumbnails, the panel
// and its buttons) is in view without scrolling on a 1366 x 768 screen (a
// title bar and no panel leave 1366 x 740) and on a 1920 x 1080 one.
TEST(WindowLayout, TheAdditionsAreInViewOnSmallAndLargeScreens) {
    WindowUnderTest w;
    for (const QSize screen : {QSize(1366, 740), QSize(1920, 1050)}) {
        SCOPED_TRACE(screen.width());
        w->resize(screen);
        QCoreApplication::processEvents();
        const QRect window = w->rect();
        for (const char* name : {"StatusLine", "ThumbnailStrip", "PicturePanel", "Back", "Forward", "SavePng",
                                 "Large", "Variations", "Film", "CopyCommand", "Command3"}) {
            const auto* widget = w->findChild<QWidget*>(name);
            ASSERT_NE(widget, nullptr) << name;
            const QRect place(widget->mapTo(w.window.get(), QPoint(0, 0)), widget->size());
            EXPECT_TRUE(window.contains(place)) << name;
        }
        const auto* scroller = w->findChild<QScrollArea*>();
        ASSERT_NE(scroller, nullptr);
        EXPECT_FALSE(scroller->verticalScrollBar()->isVisible());
        EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible());
    }
}

TEST(WindowLayout, ClientAreaHoldsEveryControl) {
    WindowUnderTest w;
    EXPECT_EQ(w->client().size(), QSize(720, 705));
    const QRect client = w->client().rect();
    for (const QWidget* child : w->client().findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();
}

}  // namespace
}  // namespace momentart::testing
