#pragma once
// What the analysis and the table store share: the point values, their five
// symmetries, and the analysis window that every table file records in its
// header. Both subsystems read these; neither borrows them from the other.
#include <array>
#include <cstdint>

namespace quorvan {

using PointValue = std::uint8_t;  // 0..5, printed 0 1 2 -0 -1 -2

inline constexpr int MinPoints = 3;
inline constexpr int MaxPoints = 9;
inline constexpr int OffsetSlots = 10;

// The five symmetries of point values, kinds 1..5 (index 0 is unused and
// maps every value to itself).
inline constexpr std::array<std::array<PointValue, 6>, 6> kSymmetry = {{
    {0, 1, 2, 3, 4, 5},
    {1, 2, 0, 5, 3, 4},
    {2, 0, 1, 4, 5, 3},
    {3, 4, 5, 0, 1, 2},
    {4, 5, 3, 2, 0, 1},
    {5, 3, 4, 1, 2, 0},
}};

// The analysis window: N points at fixed cell offsets from point 0.
struct AnalysisGeometry {
  std::int32_t pointCount = 0;
  std::array<std::int32_t, OffsetSlots> pointOffsets{};
};

}  // namespace quorvan
