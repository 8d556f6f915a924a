#include "frame/frame_over_window.h"

#include <QKeySequence>

#include "frame/frame_session.h"
#include "frame/frame_window.h"
#include "platform/screen_facts.h"
#include "platform/worker_pool.h"

namespace momentart {

namespace {

// Holds the frame's session and window; the window goes first.
class FrameOverWindow final : public QObject {
public:
    FrameOverWindow(QScreen* screen, const FrameSettings& settings)
        : session_(std::make_unique<FrameSession>(settings, frameSecondsOf(screen))),
          window_(std::make_unique<FrameWindow>(*session_)) {}

    FrameSession& session() const { return *session_; }
    FrameWindow& window() const { return *window_; }

private:
    std::unique_ptr<FrameSession> session_;
    std::unique_ptr<FrameWindow> window_;
};

}  // namespace

std::unique_ptr<QObject> openFrameOverWindow(QScreen* screen, const FrameFromWindow& from, const GenerationState& live,
                                             const PictureHistory& history, std::function<void(int made)> left) {
    FrameSettings settings;
    settings.scale = largestScaleFitting(physicalPixels(*screen));
    settings.jobs = everyCore();
    settings.pace = from.pace;
    settings.historyFolder = from.historyFolder;
    settings.historyKeep = from.historyKeep;
    auto frame = std::make_unique<FrameOverWindow>(screen, settings);
    frame->window().addLeaveKey(QKeySequence(Qt::Key_F11));
    FrameSession* session = &frame->session();
    QObject::connect(session, &FrameSession::leaveRequested, frame.get(),
                     [session, left = std::move(left)] { left(session->picturesMade()); });
    frame->window().showFullScreenOn(screen);
    session->startFrom(live, history);
    return frame;
}

}  // namespace momentart
