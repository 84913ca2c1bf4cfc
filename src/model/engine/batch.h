#pragma once
// Batch statistics: random runs one after another, and how they end.
#include <cstdint>

#include "engine/lattice.h"
#include "initial/generator.h"

namespace quorvan {

inline constexpr std::int32_t kBatchMinLength = 20;  // a batch run's length is 20 + (random mod 20)
inline constexpr std::int32_t kBatchLengthSpan = 20;
inline constexpr std::int32_t kBatchLengthBound = 40;  // the length range's upper bound as stored
inline constexpr std::int32_t kBatchStepCap = 1000000;
inline constexpr std::int32_t kBatchSize = 1000;

// The counters of one batch, all 0 when batch mode is switched. The step
// sums stay below 2^31: at most 1000 runs of at most 10^6 steps are added.
struct BatchCounters {
  std::int32_t batchRuns = 0;
  std::int32_t unfinishedRuns = 0;
  std::int32_t zeroBalanceRuns = 0;
  std::int32_t nonZeroBalanceRuns = 0;
  std::int32_t balance1Runs = 0, balance1Steps = 0;
  std::int32_t balance2to4Runs = 0, balance2to4Steps = 0;
  std::int32_t balance5upRuns = 0, balance5upSteps = 0;
  std::int32_t keptRuns = 0, keptSteps = 0;
  std::int32_t threeRuns = 0;
  std::int32_t evenRuns = 0, evenSteps = 0;
  std::int32_t oddRuns = 0, oddSteps = 0;
};

// The end test of a batch run after a step.
inline bool batchRunOver(const LatticeState& s) {
  return (s.directFinished != 0 && s.dualFinished != 0 && s.stepCount > 1) || s.stepCount > kBatchStepCap;
}

// Counts the run that just ended into its class (unfinished, or by the
// halved balance of cell 0 and, at 0, how the run ended).
void countBatchRun(BatchCounters& b, const LatticeState& s);

// A class's average finish step, truncated toward zero; only meaningful
// while `runs` is above 0.
inline std::int32_t batchAverage(std::int32_t steps, std::int32_t runs) { return runs > 0 ? steps / runs : 0; }

// The next batch run's shape: its length, then its number of B cells drawn
// until it is at least 2.
struct BatchRunShape {
  std::int32_t length = 0;
  std::int32_t seeds = 0;
};
BatchRunShape drawBatchRun(Generator& gen);

}  // namespace quorvan
