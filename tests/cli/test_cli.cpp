// The headless front end: its arguments, its output, and that it gives the
// window's tables byte for byte.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <regex>
#include <string>

#include "app/tform1.h"
#include "shell/working_dir.h"

namespace {

namespace fs = std::filesystem;

struct Result {
  int exitCode;
  std::string out;
};

Result runLab(const std::string& args) {
  const std::string cmd = std::string(QUORVAN_LAB_BIN) + " " + args + " 2>/dev/null";
  FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  char buf[4096];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  const int status = pclose(p);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

fs::path scratch() {
  static std::mt19937_64 names{std::random_device{}()};
  fs::path d = fs::temp_directory_path() / ("quorvan-cli-" + std::to_string(names()));
  fs::create_directories(d);
  return d;
}

std::string bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

long jsonNumber(const std::string& json, const std::string& key) {
  std::smatch m;
  if (!std::regex_search(json, m, std::regex("\"" + key + "\":(-?[0-9]+)"))) return -999999;
  return std::stol(m[1]);
}

std::string jsonArray(const std::string& json, const std::string& key) {
  std::smatch m;
  if (!std::regex_search(json, m, std::regex("\"" + key + "\":\\[([^\\]]*)\\]"))) return "?";
  return m[1];
}

TEST(LabCli, BadArgumentsExitTwoWithUsage) {
  const char* bad[] = {"", "run", "test --trials", "test --trials -3", "test --mask L12",
                       "test --mask X1", "test --order '>'", "test --npoint 10", "test --n0 abc",
                       "test --frobnicate 1"};
  for (const char* args : bad) {
    const std::string cmd = std::string(QUORVAN_LAB_BIN) + " " + args + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    const int status = pclose(p);
    EXPECT_EQ(WEXITSTATUS(status), 2) << args;
    EXPECT_NE(out.find("usage: quorvan-lab test"), std::string::npos) << args;
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

// The real window on the offscreen platform and the headless front end, for
// the same settings, write the same "RT/rt1.dat" and show the same counts.
TEST(LabCli, WindowAndHeadlessFrontEndAgree) {
  const fs::path windowDir = scratch();
  quorvan::prepareWorkingDirectory(windowDir.string());
  quorvan::LabEnvironment env;
  env.workDir = windowDir.string();
  TForm1 form(env);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  auto* start = form.findChild<QPushButton*>("Button125");
  ASSERT_NE(start, nullptr);
  QTest::mouseClick(start, Qt::LeftButton);
  constexpr int kTrials = 12;
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.lab().analysesRun >= kTrials; }, 120000));
  QMetaObject::invokeMethod(&form, "Button126Click");
  const long analysed = static_cast<long>(form.lab().analysesRun);

  const fs::path cliDir = scratch();
  const Result r = runLab("test --json --trials " + std::to_string(analysed) + " --dir " + cliDir.string());
  ASSERT_EQ(r.exitCode, 0);
  EXPECT_EQ(bytes(windowDir / "RT/rt1.dat"), bytes(cliDir / "RT/rt1.dat"));
  EXPECT_EQ(bytes(windowDir / "CA/ca5.dat").size(), 154u);

  const auto label = [&](const char* name) {
    auto* l = form.findChild<QWidget*>(name);
    return l ? l->property("text").toString().toStdString() : std::string("?");
  };
  const std::string counts = jsonArray(r.out, "valueCounts");
  EXPECT_EQ(counts, label("Label169") + "," + label("Label170") + "," + label("Label171") + "," +
                        label("Label173") + "," + label("Label174") + "," + label("Label175"));
  EXPECT_EQ(jsonArray(r.out, "unionCounts"), label("Label140") + "," + label("Label157") + "," + label("Label158"));
  EXPECT_EQ(std::to_string(jsonNumber(r.out, "total")), label("Label156"));
  EXPECT_EQ(std::to_string(jsonNumber(r.out, "notReturned")), label("Label139"));
  fs::remove_all(windowDir);
  fs::remove_all(cliDir);
}

}  // namespace

int main(int argc, char** argv) {
  // The window under test needs no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
