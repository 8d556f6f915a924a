#include "frame/frame_keys.h"

namespace momentart {

const QList<FrameKey>& frameKeys() {
    using enum FrameAction;
    static const QList<FrameKey> table = {
        {QKeySequence(Qt::Key_N), NewImage, "a new picture now"},
        {QKeySequence(Qt::Key_R), RepeatType, "a new picture of the same type now"},
        {QKeySequence(Qt::Key_Left), Back, "the picture before the one shown"},
        {QKeySequence(Qt::Key_Right), Forward, "the picture after the one shown"},
        {QKeySequence(Qt::Key_Space), PauseResume, "pause or resume the timer of new pictures"},
        {QKeySequence(Qt::CTRL | Qt::Key_S), Keep,
         "save the picture shown as a PNG carrying its recipe, at the frame's scale, in the momentart "
         "folder of Pictures"},
        {QKeySequence(Qt::Key_Escape), Leave, "leave the frame"},
        {QKeySequence(Qt::Key_Q), Leave, "leave the frame"},
    };
    return table;
}

}  // namespace momentart
