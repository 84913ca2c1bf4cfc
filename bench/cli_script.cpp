// The automatic test driven through a script ("click Button125", then
// "trials 2000") against `quorvan-lab test --trials 2000`, both as whole
// commands in this process, start-up and working directory included. The
// script should reach at least 90% of the test command's trials per second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/lab_cli.h"
#include "median_ratio.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTrials = 2000;

fs::path benchDir(const char* name) {
  const fs::path d = fs::temp_directory_path() / ("quorvan-bench-" + std::to_string(::getpid())) / name;
  fs::create_directories(d);
  return d;
}

int runCli(const std::vector<std::string>& args) {
  std::vector<const char*> argv{"quorvan-lab"};
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::istringstream in;
  std::ostringstream out, err;
  const int code = quorvan::runLabCli(static_cast<int>(argv.size()), argv.data(), {in, out, err, false});
  if (code != 0) std::fprintf(stderr, "quorvan-lab failed (%d): %s\n", code, err.str().c_str());
  return code;
}

void BM_TestCommand(benchmark::State& state) {
  const std::string dir = benchDir("test").string();
  for (auto _ : state)
    if (runCli({"test", "--trials", std::to_string(kTrials), "--json", "--dir", dir}) != 0)
      state.SkipWithError("test failed");
  state.counters["trials/s"] = benchmark::Counter(kTrials, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ScriptCommand(benchmark::State& state) {
  const fs::path dir = benchDir("script");
  const std::string script = (dir / "trials.txt").string();
  std::ofstream(script) << "click Button125\ntrials " << kTrials << "\n";
  for (auto _ : state)
    if (runCli({"script", script, "--dir", dir.string()}) != 0) state.SkipWithError("script failed");
  state.counters["trials/s"] = benchmark::Counter(kTrials, benchmark::Counter::kIsIterationInvariantRate);
}

std::string bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

BENCHMARK(BM_TestCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_ScriptCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

int main(int argc, char** argv) {
  const auto m = quorvan::bench::runWithMedians(argc, argv);
  const auto test = m.find("BM_TestCommand");
  const auto script = m.find("BM_ScriptCommand");
  // Both ran the same trials from the same start, so their tables agree;
  // a script that did less work would not be a fair comparison.
  const fs::path root = benchDir("").parent_path();
  const bool same = bytes(root / "test/RT/rt1.dat") == bytes(root / "script/RT/rt1.dat");
  fs::remove_all(root);
  if (test == m.end() || script == m.end() || script->second <= 0) {
    for (const auto& [name, ns] : m) std::printf("%s\n", name.c_str());
    return 1;
  }
  const double share = 100.0 * test->second / script->second;
  std::printf("script trials/s are %.1f%% of test's (target >= 90%%): %.0f vs %.0f trials/s; tables %s\n",
              share, kTrials * 1e9 / script->second, kTrials * 1e9 / test->second, same ? "agree" : "DIFFER");
  return same ? 0 : 1;
}
