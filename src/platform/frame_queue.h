// Frames handed from the thread that computes a picture to the thread that
// encodes them, a few at a time, so that both work at once.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "engine/canvas.h"

namespace momentart {

class FrameQueue {
public:
    // At most `capacity` frames wait at a time.
    explicit FrameQueue(std::size_t capacity) : capacity_(capacity) {}

    // Waits for room, and while it waits asks `cancelled` now and then.
    // False, and the frame dropped, when the encoder has given up or
    // `cancelled` says so.
    bool push(std::shared_ptr<const Canvas> frame, const std::function<bool()>& cancelled);
    // The producer's end: no more frames.
    void close();
    // The next frame; null once the queue is closed and empty.
    std::shared_ptr<const Canvas> pop();
    // The encoder's end: it takes no more frames.
    void abandon();
    bool abandoned() const;

private:
    mutable std::mutex lock_;
    std::condition_variable changed_;
    std::deque<std::shared_ptr<const Canvas>> frames_;
    std::size_t capacity_;
    bool closed_ = false;
    bool abandoned_ = false;
};

}  // namespace momentart
