#include "analysis/geometry.h"

namespace quorvan {
namespace {

constexpr std::int32_t kDefaults[MaxPoints - MinPoints + 1][MaxPoints] = {
    {0, -1, 1},
    {0, -2, -1, 1},
    {0, -2, -1, 1, 2},
    {0, -2, -1, 1, 2, 3},
    {0, -3, -2, -1, 1, 2, 3},
    {0, -3, -2, -1, 1, 2, 3, 4},
    {0, -4, -3, -2, -1, 1, 2, 3, 4},
};

}  // namespace

const std::int32_t* defaultPointOffsets(int n) {
  return n >= MinPoints && n <= MaxPoints ? kDefaults[n - MinPoints] : nullptr;
}

}  // namespace quorvan
