#include "platform/frame_queue.h"

#include <chrono>

namespace momentart {

namespace {
// How often a producer waiting for room asks whether it was cancelled.
constexpr std::chrono::milliseconds kCancelPoll{50};
}  // namespace

bool FrameQueue::push(std::shared_ptr<const Canvas> frame, const std::function<bool()>& cancelled) {
    std::unique_lock guard(lock_);
    while (frames_.size() >= capacity_ && !abandoned_) {
        if (cancelled && cancelled()) return false;
        changed_.wait_for(guard, kCancelPoll);
    }
    if (abandoned_) return false;
    frames_.push_back(std::move(frame));
    changed_.notify_all();
    return true;
}

void FrameQueue::close() {
    std::lock_guard guard(lock_);
    closed_ = true;
    changed_.notify_all();
}

std::shared_ptr<const Canvas> FrameQueue::pop() {
    std::unique_lock guard(lock_);
    changed_.wait(guard, [this] { return !frames_.empty() || closed_ || abandoned_; });
    if (frames_.empty() || abandoned_) return nullptr;
    std::shared_ptr<const Canvas> frame = std::move(frames_.front());
    frames_.pop_front();
    changed_.notify_all();
    return frame;
}

void FrameQueue::abandon() {
    std::lock_guard guard(lock_);
    abandoned_ = true;
    frames_.clear();
    changed_.notify_all();
}

bool FrameQueue::abandoned() const {
    std::lock_guard guard(lock_);
    return abandoned_;
}

}  // namespace momentart
