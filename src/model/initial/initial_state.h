#pragma once
#include <array>
#include <cstdint>

namespace quorvan {

inline constexpr int PositionListCapacity = 4900;

// Positions drawn by "Random", with the second coordinates that the
// "Show initial" window edits beside them.
struct PositionList {
  std::int32_t length = 0;
  std::array<std::int16_t, PositionListCapacity> positions{};
  std::array<std::int16_t, PositionListCapacity> companions{};
};

struct InitialState {
  std::int32_t bCellCount = 1;
  std::int32_t cCellCount = 0;
  PositionList bCellList;
  PositionList cCellList;
  // The two hidden pens of "Initial": each change stores its value twice.
  std::int32_t penC = 1, penCCopy = 1;
  std::int32_t penAfr = 5, penAfrCopy = 5;
};

// How many positions a count may ask for: the lists' capacity bounds it.
inline std::int32_t drawableCount(std::int32_t count) {
  return count < 0 ? 0 : (count > PositionListCapacity ? PositionListCapacity : count);
}

}  // namespace quorvan
