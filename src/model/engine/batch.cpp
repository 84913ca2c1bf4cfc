#include "engine/batch.h"

#include <cstdlib>

#include "engine/run_results.h"

namespace quorvan {

void countBatchRun(BatchCounters& b, const LatticeState& s) {
  if (s.stepCount > kBatchStepCap) {
    ++b.unfinishedRuns;
    return;
  }
  // In 64 bits: the absolute value of the smallest balance still fits.
  const std::int64_t v = std::llabs(std::int64_t{s.directBalance[0]}) / 2;
  const std::int32_t t = s.directFinishStep;
  if (v == 0) {
    ++b.zeroBalanceRuns;
    const bool noCellKept = summariseRun(s).noCellKept;
    const bool bothThree = s.directFinishStep == 3 && s.dualFinishStep == 3;
    if (!noCellKept) {
      ++b.keptRuns;
      b.keptSteps += t;
    } else if (bothThree) {
      ++b.threeRuns;
    } else if (t % 2 == 0) {
      ++b.evenRuns;
      b.evenSteps += t;
    } else {
      ++b.oddRuns;
      b.oddSteps += t;
    }
    return;
  }
  ++b.nonZeroBalanceRuns;
  if (v == 1) {
    ++b.balance1Runs;
    b.balance1Steps += t;
  } else if (v <= 4) {
    ++b.balance2to4Runs;
    b.balance2to4Steps += t;
  } else {
    ++b.balance5upRuns;
    b.balance5upSteps += t;
  }
}

BatchRunShape drawBatchRun(Generator& gen) {
  BatchRunShape r;
  r.length = kBatchMinLength + gen.nextRandom() % kBatchLengthSpan;
  const std::int32_t half = r.length / 2;
  do {
    r.seeds = static_cast<std::int32_t>(gen.nextRandom() / 32768.0 * half);
  } while (r.seeds < 2);
  return r;
}

}  // namespace quorvan
