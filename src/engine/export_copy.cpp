#include "engine/export_copy.h"

namespace momentart {

void copyForExport(GenerationState& s, const Canvas& picture, Canvas& exportCanvas,
                   const std::function<void(int column)>& columnDone) {
    for (s.i = 0; s.i <= Canvas::kWidth; ++s.i) {
        const int column = static_cast<int>(s.i);
        for (s.j = 0; s.j <= Canvas::kHeight; ++s.j) {
            const int row = static_cast<int>(s.j);
            if (column < Canvas::kWidth && row < Canvas::kHeight) exportCanvas.set(column, row, picture.at(column, row));
        }
        if (column >= 1 && columnDone) columnDone(column);
    }
}

}  // namespace momentart
