#include "render/analysis_grids.h"

#include <algorithm>

namespace quorvan {

void drawAnalysisGrids(const AnalysisGrids& grids, int length, std::int32_t markRows,
                       const DrawingGeometry& drawing, bool values, bool parities, Canvas& canvas) {
  const std::int32_t lastRow = std::clamp(markRows, -1, MaxRows - 1);
  const std::int64_t w = drawing.cellWidth, h = drawing.cellHeight;
  auto visitCells = [&](auto&& draw) {
    for (std::int32_t r = 0; r <= lastRow; ++r) {
      const std::int64_t y = (std::int64_t{r} - drawing.weightBase) * h;
      if (y < 0 || y >= 800) continue;
      for (int q = 0; q < length; ++q) draw(r, q, Box{q * w, y, q * w + w, y + h});
    }
  };
  if (values) {
    visitCells([&](std::int32_t r, int q, const Box& box) {
      switch (grids.valueGrid[r][q]) {
        case 0: canvas.fillRect(box, kBlue); break;
        case 1: canvas.disc(box, kBlue); break;
        case 2: canvas.ring(box, kBlue, 2); break;
        case 3: canvas.fillRect(box, kRed); break;
        case 4: canvas.disc(box, kRed); break;
        case 5: canvas.ring(box, kRed, 2); break;
        default: break;
      }
    });
  }
  if (parities) {
    visitCells([&](std::int32_t r, int q, const Box& box) {
      switch (grids.parityGrid[r][q]) {
        case 0: canvas.disc(box, kBlack); break;
        case 1: canvas.fillRect(box, kBlack); break;
        case 2: canvas.disc(box, kGrey); break;
        case 3: canvas.fillRect(box, kGrey); break;
        default: break;
      }
      const std::int64_t cx = box.left + w / 2, cy = box.top + h / 2;
      canvas.line(cx, cy, cx, r % 2 != 0 ? box.bottom : box.top, kGreen, 3);
    });
  }
}

}  // namespace quorvan
