#include "trials/trial_setup.h"

#include <algorithm>
#include <cmath>

#include "engine/lattice.h"

namespace quorvan {
namespace {

std::int32_t truncated(double v) {
  return static_cast<std::int32_t>(std::clamp(std::trunc(v), -2147483648.0, 2147483647.0));
}

}  // namespace

std::int32_t trialLength(const TestState& test, std::int32_t r) {
  return std::clamp(truncated(test.lengthBase + static_cast<double>(test.lengthSpread) * r / 32760.0), 1,
                    MaxLength);
}

std::int32_t trialSeedCount(const TestState& test, std::int32_t r) {
  return truncated(test.bCountBase + static_cast<double>(test.bCountSpread) * r / 32768.0);
}

}  // namespace quorvan
