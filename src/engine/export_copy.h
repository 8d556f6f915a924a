// The copy behind "save on D:" and "save on C:": the picture copied pixel by
// pixel into the export canvas, with the state's `i` and `j` as the column
// and row counters, as the saved state of every later picture expects.
#pragma once

#include <functional>

#include "engine/canvas.h"
#include "engine/state.h"

namespace momentart {

// Copies every pixel of `picture` into `exportCanvas` (both 600 x 450).
// Columns and rows run 0..600 and 0..450, so `i` and `j` are left at 601
// and 451; the last column and row lie outside the picture and copy
// nothing. `columnDone(i)` is told after each column from 1 to 600 (the
// progress mark above the picture).
void copyForExport(GenerationState& s, const Canvas& picture, Canvas& exportCanvas,
                   const std::function<void(int column)>& columnDone = {});

}  // namespace momentart
