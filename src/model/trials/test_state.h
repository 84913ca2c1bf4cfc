#pragma once
#include <cstdint>

namespace quorvan {

struct TestState {
  bool testRunning = false;
  std::int32_t trialCount = 0;
  std::int32_t lengthBase = 50;
  std::int32_t lengthSpread = 5;
  std::int32_t bCountBase = 1;
  std::int32_t bCountSpread = 20;
};

}  // namespace quorvan
