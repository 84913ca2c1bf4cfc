#include <gtest/gtest.h>

#include <memory>

#include "engine/batch.h"

namespace quorvan {
namespace {

// One ended run into its class: unfinished past the cap, by the halved
// balance of cell 0, and at 0 by whether a cell kept its state, both
// finish steps are 3, or the direct finish step's parity.
TEST(BatchCount, EachRunLandsInItsClass) {
  struct Case {
    const char* what;
    std::int32_t steps, balance0, t1, t2;
    bool kept;
    std::int32_t BatchCounters::*runs;
    std::int32_t BatchCounters::*sum;  // nullptr: the class keeps no sum
  };
  const Case cases[] = {
      {"past the cap", 1000001, 0, 5, 5, false, &BatchCounters::unfinishedRuns, nullptr},
      {"at the cap", 1000000, -3, 7, 5, false, &BatchCounters::balance1Runs, &BatchCounters::balance1Steps},
      {"halved 2", 9, 4, 9, 9, false, &BatchCounters::balance2to4Runs, &BatchCounters::balance2to4Steps},
      {"halved 4", 9, -9, 9, 9, false, &BatchCounters::balance2to4Runs, &BatchCounters::balance2to4Steps},
      {"halved 5", 9, 10, 9, 9, false, &BatchCounters::balance5upRuns, &BatchCounters::balance5upSteps},
      {"kept", 9, 1, 6, 4, true, &BatchCounters::keptRuns, &BatchCounters::keptSteps},
      {"both three", 4, 0, 3, 3, false, &BatchCounters::threeRuns, nullptr},
      {"three and four", 5, 0, 3, 4, false, &BatchCounters::oddRuns, &BatchCounters::oddSteps},
      {"even", 9, 0, 8, 3, false, &BatchCounters::evenRuns, &BatchCounters::evenSteps},
  };
  for (const Case& c : cases) {
    auto s = std::make_unique<LatticeState>();
    s->lineLength = 4;
    s->stepCount = c.steps;
    s->directBalance[0] = c.balance0;
    s->directFinishStep = c.t1;
    s->dualFinishStep = c.t2;
    s->initialLine.fill(B);
    s->directFinal.fill(c.kept ? B : C);
    BatchCounters b;
    countBatchRun(b, *s);
    EXPECT_EQ(b.*(c.runs), 1) << c.what;
    if (c.sum) {
      EXPECT_EQ(b.*(c.sum), c.t1) << c.what;
    }
    const bool zero = c.steps <= kBatchStepCap && c.balance0 / 2 == 0;
    EXPECT_EQ(b.zeroBalanceRuns, zero ? 1 : 0) << c.what;
    EXPECT_EQ(b.nonZeroBalanceRuns, !zero && c.steps <= kBatchStepCap ? 1 : 0) << c.what;
  }
}

TEST(BatchCount, TheEndTestAndAverages) {
  auto owned = std::make_unique<LatticeState>();
  LatticeState& s = *owned;
  s.directFinished = s.dualFinished = 1;
  s.stepCount = 1;
  EXPECT_FALSE(batchRunOver(s));
  s.stepCount = 2;
  EXPECT_TRUE(batchRunOver(s));
  s.dualFinished = 0;
  EXPECT_FALSE(batchRunOver(s));
  s.stepCount = kBatchStepCap + 1;
  EXPECT_TRUE(batchRunOver(s));
  EXPECT_EQ(batchAverage(7, 2), 3);
  EXPECT_EQ(batchAverage(-7, 2), -3);
}

}  // namespace
}  // namespace quorvan
