#include <gtest/gtest.h>

#include "trials/trial_setup.h"

namespace quorvan {
namespace {

// The two draws of a trial use different divisors: the length's 32760 lets
// the eight largest generator values reach one cell past the spread, the
// seed count's 32768 never does.
TEST(TrialSetup, LengthAndSeedCountFromTheirDraws) {
  struct Case {
    std::int32_t base, spread, r;
    std::int32_t length, seeds;
  };
  const Case cases[] = {
      {50, 5, 0, 50, 50},           {50, 5, 32759, 54, 54},      {50, 5, 32760, 55, 54},
      {50, 5, 32767, 55, 54},       {1, 20, 32767, 21, 20},      {1, 20, 16384, 11, 11},
      {200, 0, 0, 131, 200},        {-5, 0, 0, 1, -5},           {0, -10, 32767, 1, -9},
      {2147483647, 2147483647, 32767, 131, 2147483647},
  };
  for (const Case& c : cases) {
    TestState t;
    t.lengthBase = t.bCountBase = c.base;
    t.lengthSpread = t.bCountSpread = c.spread;
    EXPECT_EQ(trialLength(t, c.r), c.length) << c.base << " " << c.spread << " " << c.r;
    EXPECT_EQ(trialSeedCount(t, c.r), c.seeds) << c.base << " " << c.spread << " " << c.r;
  }
}

}  // namespace
}  // namespace quorvan
