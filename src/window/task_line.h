// A line under the picture that follows work in the background (a "Large"
// render, a film): whose it is and its progress with a Cancel button while
// it runs, then where the file went (or why not), until the session drops
// it. The session says what the line shows (TaskLineState); a text too long
// for one row wraps onto a second.
#pragma once

#include <QWidget>
#include <functional>

#include "window/picture_session.h"

class QLabel;
class QPushButton;
class QTimer;

namespace momentart {

class TaskLine final : public QWidget {
    Q_OBJECT

public:
    // `name` names the label (<name>Status) and the button (<name>Cancel).
    TaskLine(const QString& name, std::function<TaskLineState()> state, std::function<void()> cancel,
             const QString& cancelTip, QWidget* parent);

    // The height of one row of text; a wrapped line is two.
    static constexpr int kRowHeight = 19;

    // The text shown now, whole (the home folder is written ~ on screen).
    QString text() const;
    // Shows what the session says now, and keeps doing so while it runs.
    void refresh();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Shows the text in the room there is.
    void fitText();

    QString text_;
    std::function<TaskLineState()> state_;
    QLabel* label_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace momentart
