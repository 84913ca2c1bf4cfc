// quorvan-lab batch and atlas: reproducible output, parallel and merged
// atlases that agree, and their bad arguments.
#include <gtest/gtest.h>

#include "support/run_lab.h"

namespace {

using namespace quorvan::testing_support;

TEST(BatchCommand, TheSameClockGivesTheSameBatch) {
  const Result a = runLab("batch --runs 40 --clock 77 --json");
  const Result b = runLab("batch --runs 40 --clock 77 --json");
  ASSERT_EQ(a.exitCode, 0);
  ASSERT_EQ(b.exitCode, 0);
  const auto withoutTime = [](std::string s) { return s.substr(0, s.find("\"seconds\"")); };
  EXPECT_EQ(withoutTime(a.out), withoutTime(b.out));
  EXPECT_NE(a.out.find("\"runs\":40,"), std::string::npos) << a.out;
  EXPECT_NE(a.out.find("\"Label10\":\"40\""), std::string::npos) << a.out;
  const Result text = runLab("batch --runs 3 --clock 1");
  EXPECT_EQ(text.exitCode, 0);
  EXPECT_NE(text.out.find("ended runs          3"), std::string::npos) << text.out;
}

TEST(AtlasCommand, JobsAndMergedPartsGiveTheSameAtlas) {
  const fs::path one = scratch(), two = scratch(), partA = scratch(), partB = scratch(), merged = scratch();
  const std::string cells = "--cells 1:1,3:1,5:3,9:1 --trials 30 ";
  ASSERT_EQ(runLab("atlas " + cells + "--jobs 1 --out " + one.string()).exitCode, 0);
  ASSERT_EQ(runLab("atlas " + cells + "--jobs 2 --out " + two.string()).exitCode, 0);
  EXPECT_EQ(bytes(one / "atlas.json"), bytes(two / "atlas.json"));
  EXPECT_EQ(bytes(one / "atlas.csv"), bytes(two / "atlas.csv"));
  ASSERT_EQ(runLab("atlas --cells 9:1,3:1 --trials 30 --out " + partA.string()).exitCode, 0);
  ASSERT_EQ(runLab("atlas --cells 1:1,5:3 --trials 30 --out " + partB.string()).exitCode, 0);
  ASSERT_EQ(runLab("atlas --merge " + (partA / "atlas.json").string() + " " + (partB / "atlas.json").string() +
                   " --out " + merged.string())
                .exitCode,
            0);
  EXPECT_EQ(bytes(merged / "atlas.json"), bytes(one / "atlas.json"));
  EXPECT_EQ(bytes(one / "atlas.csv").substr(0, 14), "left,right,N,o");
  // Parts of other trials do not merge.
  const fs::path other = scratch();
  ASSERT_EQ(runLab("atlas --cells 7:7 --trials 31 --out " + other.string()).exitCode, 0);
  EXPECT_EQ(runLab("atlas --merge " + (partA / "atlas.json").string() + " " + (other / "atlas.json").string() +
                   " --out " + merged.string())
                .exitCode,
            2);
  for (const fs::path& d : {one, two, partA, partB, merged, other}) fs::remove_all(d);
}

TEST(BatchAndAtlas, BadArgumentsExitTwo) {
  const char* bad[] = {"batch --runs 0",     "batch --runs 1001",   "batch --runs x",     "batch --clock -1",
                       "batch --clock 0",    "atlas --jobs 0",      "atlas --trials 0",   "atlas --trials -5",
                       "atlas --cells 2:1",  "atlas --cells 1:3",   "atlas --cells 41:1", "atlas --cells 1:1,",
                       "atlas --clock abc",  "atlas --merge /nonexistent/atlas.json"};
  for (const char* args : bad) EXPECT_EQ(runLab(args).exitCode, 2) << args;
}

}  // namespace
