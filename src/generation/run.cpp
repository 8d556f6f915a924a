#include "generation/run.h"

namespace momentart {

void makeimage(GenerationState&, Canvas& canvas, RunHost&, const RunOptions&) { canvas.clear(); }

}  // namespace momentart
