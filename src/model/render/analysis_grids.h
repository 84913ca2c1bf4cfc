#pragma once
// The direct analysis's grids drawn as cells: "F(3)x" shows the point
// values, "F(2)x" the parities with a stroke up or down by row.
#include <cstdint>

#include "analysis/analysis_state.h"
#include "render/canvas.h"
#include "render/drawing_state.h"

namespace quorvan {

// Rows 0..markRows (held inside the grids) of `length` cells, shifted up by
// the scale's weight base; rows that fall outside the 800-pixel diagram are
// skipped.
void drawAnalysisGrids(const AnalysisGrids& grids, int length, std::int32_t markRows,
                       const DrawingGeometry& drawing, bool values, bool parities, Canvas& canvas);

}  // namespace quorvan
