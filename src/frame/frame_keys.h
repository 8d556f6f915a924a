// The keys of the art frame, each described once: the frame's shortcuts and
// the key list of `momentart frame --help` are made from this table.
#pragma once

#include <QKeySequence>
#include <QList>

#include "frame/frame_session.h"

namespace momentart {

struct FrameKey {
    QKeySequence key;
    FrameAction action;
    const char* help;  // what it does, for --help
};

const QList<FrameKey>& frameKeys();

}  // namespace momentart
