// The headless front end: its arguments, its output and its files.
#include <gtest/gtest.h>

#include "lab/working_dir.h"
#include "support/run_lab.h"

namespace {

using namespace quorvan::testing_support;

TEST(LabCli, BadArgumentsExitTwoWithUsage) {
  const char* bad[] = {"",
                       "run",
                       "test --trials",
                       "test --trials -3",
                       "test --mask L12",
                       "test --mask X1",
                       "test --order '>'",
                       "test --npoint 10",
                       "test --n0 abc",
                       "test --frobnicate 1"};
  for (const char* args : bad) {
    const Result r = runLab(args, "&1");
    EXPECT_EQ(r.exitCode, 2) << args;
    EXPECT_NE(r.out.find("usage: quorvan-lab test"), std::string::npos) << args;
  }
}

TEST(LabCli, JsonSummaryAndAPreparedDirectory) {
  const fs::path dir = scratch();
  const Result r = runLab("test --trials 30 --json --dir " + dir.string());
  ASSERT_EQ(r.exitCode, 0);
  for (const char* key : {"trials", "notReturned", "halted", "ambiguities", "warnings", "valueCounts",
                          "unionCounts", "total", "table1Rows", "pointCount", "pointOffsets"})
    EXPECT_NE(r.out.find(std::string("\"") + key + "\":"), std::string::npos) << key;
  EXPECT_EQ(jsonNumber(r.out, "trials"), 30);
  EXPECT_EQ(jsonNumber(r.out, "pointCount"), 4);
  EXPECT_EQ(jsonArray(r.out, "pointOffsets"), "0,-2,-1,1,0,0,0,0,0,0");
  for (const quorvan::SkeletonEntry& e : quorvan::workingDirectorySkeleton())
    EXPECT_TRUE(fs::exists(dir / e.path)) << e.path;
  EXPECT_EQ(fs::file_size(dir / "RT/rt1.dat"), 8044u);
  const std::string first = bytes(dir / "RT/rt1.dat");
  // The same settings give the same table, run after run.
  const fs::path again = scratch();
  ASSERT_EQ(runLab("test --trials 30 --json --dir " + again.string()).exitCode, 0);
  EXPECT_EQ(bytes(again / "RT/rt1.dat"), first);
  fs::remove_all(dir);
  fs::remove_all(again);
}

TEST(LabCli, SummaryEndsWithTheResolutionTable) {
  const fs::path dir = scratch();
  const Result r = runLab("test --trials 20 --mask L1,L2,R1,R2 --npoint 5 --dir " + dir.string());
  ASSERT_EQ(r.exitCode, 0);
  const auto at = r.out.find("\nResolution Table (=0)\n");
  ASSERT_NE(at, std::string::npos);
  EXPECT_NE(r.out.find("points (N)        5"), std::string::npos) << r.out.substr(0, 600);
  fs::remove_all(dir);
}

}  // namespace
