#include "platform/keep_place.h"

#include <QDir>

#include "platform/picture_file.h"
#include "platform/pictures_folder.h"

namespace momentart {

SavedPicture savePictureToPicturesFolder(const Canvas& canvas, const Recipe& recipe,
                                         const GenerationState& after, int jobs) {
    const ReadyFolder folder = readyPicturesFolder();
    if (!folder.error.isEmpty()) return {false, {}, folder.error};
    const QString path = QDir(folder.path).filePath(savedPictureName(after.imeslike, recipe) + ".png");
    const WriteResult written = writePicture(path, canvas, recipe, after, IfTaken::NextFreeName, std::nullopt, jobs);
    if (!written.ok) return {false, path, written.error};
    return {true, written.path, {}};
}

}  // namespace momentart
