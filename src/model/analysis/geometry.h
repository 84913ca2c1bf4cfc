#pragma once
// The analysis window's defaults: the offsets that each N starts from.
#include <cstdint>

#include "values.h"

namespace quorvan {

// The default offsets of N = 3..9 points: point 0 first, then left to
// right. Any other N has none (nullptr).
const std::int32_t* defaultPointOffsets(int n);

}  // namespace quorvan
