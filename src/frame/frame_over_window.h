// The art frame opened from another window (its F11): full screen over that
// window's screen, going on from its pictures, and left by F11 too.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "engine/state.h"
#include "session/picture_history.h"

class QScreen;

namespace momentart {

// What the frame takes over from the window it is opened from.
struct FrameFromWindow {
    double pace = 2.0;      // seconds a picture takes to appear
    QString historyFolder;  // where each picture's recipe is kept; empty: nowhere
    int historyKeep = 0;    // how many pictures that folder keeps
};

// Opens the frame on `screen`, going on from `live` and `history`. When it
// is left, `left` is told how many pictures it made, from inside the
// frame's own key handling. The frame closes when the returned object is
// destroyed.
std::unique_ptr<QObject> openFrameOverWindow(QScreen* screen, const FrameFromWindow& from, const GenerationState& live,
                                             const PictureHistory& history, std::function<void(int made)> left);

}  // namespace momentart
