#include "session/commands.h"

namespace momentart {

const QList<SessionCommand>& sessionCommands() {
    using enum WindowAction;
    static const QList<SessionCommand> table = {
        {"new image", QKeySequence(Qt::Key_N), "a new picture of a random type", NewImage},
        {"exit", {}, "end the program", Exit},
        {"repeat the same type", QKeySequence(Qt::Key_R), "a new picture of the same type", RepeatType},
        {"save on D:", QKeySequence(Qt::Key_D), "save the picture shown as a 24-bit bitmap, with its recipe beside it",
         SaveOnD},
        {"save on C:", QKeySequence(Qt::Key_C), "the same, on the other drive", SaveOnC},
        {"Back", QKeySequence(Qt::Key_Left), "show the picture made before this one", Back},
        {"Forward", QKeySequence(Qt::Key_Right), "show the picture made after this one", Forward},
        {"Keep", QKeySequence(Qt::CTRL | Qt::Key_S),
         "save the picture shown as a PNG carrying its recipe, in the momentart folder of Pictures", SavePng},
        {"Large", QKeySequence(Qt::Key_L),
         "make the picture shown again at a print scale in the background and save it as a PNG with its recipe",
         Large},
        {"Variations", QKeySequence(Qt::Key_V),
         "show the picture amid eight of its centres variations; click one, or move with the arrow keys and "
         "press Enter or 1-9, to take it",
         Variations},
        {"Film", QKeySequence(Qt::Key_F),
         "make a film of the picture shown growing, in the background, and save it as an MP4 in the momentart "
         "folder of Videos",
         Film},
        {"art frame", QKeySequence(Qt::Key_F11),
         "the pictures full screen at the largest whole scale, a new one every minute, going on from this "
         "window; F11, Escape or Q come back (see 'momentart frame --help')",
         ArtFrame},
        {"cancel or exit", QKeySequence(Qt::Key_Escape),
         "cancel what is running (a Large render, a film, the variations, commands waiting their turn); with "
         "nothing running, end the program",
         CancelOrExit},

        {"new image", QKeySequence(Qt::Key_N), "a new picture now", FrameAction::NewImage},
        {"repeat the same type", QKeySequence(Qt::Key_R), "a new picture of the same type now",
         FrameAction::RepeatType},
        {"back", QKeySequence(Qt::Key_Left), "the picture before the one shown", FrameAction::Back},
        {"forward", QKeySequence(Qt::Key_Right), "the picture after the one shown", FrameAction::Forward},
        {"pause", QKeySequence(Qt::Key_Space), "pause or resume the timer of new pictures", FrameAction::PauseResume},
        {"keep", QKeySequence(Qt::CTRL | Qt::Key_S),
         "save the picture shown as a PNG carrying its recipe, at the frame's scale, in the momentart folder of "
         "Pictures",
         FrameAction::Keep},
        {"leave", QKeySequence(Qt::Key_Escape), "leave the frame", FrameAction::Leave},
        {"leave", QKeySequence(Qt::Key_Q), "leave the frame", FrameAction::Leave},
    };
    return table;
}

const SessionCommand* windowCommandOf(WindowAction action) {
    for (const SessionCommand& command : sessionCommands())
        if (const auto* own = std::get_if<WindowAction>(&command.action); own != nullptr && *own == action)
            return &command;
    return nullptr;
}

}  // namespace momentart
