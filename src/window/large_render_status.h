// The line under the picture that follows a "Large" render: which picture
// it belongs to and its progress with a Cancel button while it runs, then
// where the file went (or why not).
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace momentart {

class PictureSession;

class LargeRenderStatus final : public QWidget {
    Q_OBJECT

public:
    LargeRenderStatus(PictureSession& session, QWidget* parent);

    // The text shown now.
    QString text() const;

private:
    // Follows the session's Large render: progress while it runs, then its outcome.
    void refresh();

    PictureSession& session_;
    QLabel* label_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace momentart
