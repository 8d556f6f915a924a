// The line under the picture that follows a "Large" render: its progress
// and a Cancel button while it runs, then where the file went (or why not).
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace momentart {

class LargeRender;

class LargeRenderStatus final : public QWidget {
    Q_OBJECT

public:
    LargeRenderStatus(LargeRender& render, QWidget* parent);

    // Shows the render's progress from now until it finishes.
    void follow();
    // The text shown now.
    QString text() const;

private:
    void showProgress();
    void showFinished(bool saved, const QString& path, const QString& message);

    LargeRender& render_;
    QLabel* label_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace momentart
