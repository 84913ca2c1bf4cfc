#pragma once
#include <cstdint>

namespace quorvan {

struct DrawingGeometry {
  std::int32_t cellWidth = 30;
  std::int32_t cellHeight = 30;
  std::int32_t originX = 300;  // 0 from the first run reset on
  std::int32_t originY = 0;
  std::int32_t weightBase = 0;
};

}  // namespace quorvan
