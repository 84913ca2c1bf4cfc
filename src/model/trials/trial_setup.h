#pragma once
// What one trial of the automatic test is made of: its line length and its
// number of B cells, drawn from two generator values.
#include <cstdint>

#include "trials/test_state.h"

namespace quorvan {

// The largest mark-row limit the matrices can honour: the form's hint asks
// for "C < 3000", and a larger typed value is held there.
inline constexpr std::int32_t kMaxMarkRowLimit = 2999;

// lengthBase + lengthSpread * r / 32760, truncated, then held inside
// 1..131 whatever the parameters say, so a trial never runs on an empty
// line or beyond the lines' slots. (The divisor is 32760, not 32768: the
// largest draws give one cell more than the spread.)
std::int32_t trialLength(const TestState& test, std::int32_t r);

// bCountBase + bCountSpread * r / 32768, truncated.
std::int32_t trialSeedCount(const TestState& test, std::int32_t r);

}  // namespace quorvan
