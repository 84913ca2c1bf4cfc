#pragma once
// A console reporter that also remembers each benchmark's median (in
// nanoseconds, whatever unit the benchmark reports in), so a benchmark
// program can print the ratio of two of them at the end.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quorvan::bench {

class MedianReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, so a log file stays plain text.
  MedianReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
        medians[r.run_name.args.empty() ? r.run_name.function_name
                                        : r.run_name.function_name + "/" + r.run_name.args] =
            r.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(r.time_unit);
  }
  std::map<std::string, double> medians;
};

// Runs every registered benchmark with nine repetitions (unless the command
// line says otherwise) and returns the medians by name.
inline std::map<std::string, double> runWithMedians(int argc, char** argv) {
  std::vector<char*> args(argv, argv + argc);
  std::string reps = "--benchmark_repetitions=9";
  std::string aggregates = "--benchmark_report_aggregates_only=true";
  bool hasReps = false;
  for (int i = 1; i < argc; ++i) hasReps |= std::string(argv[i]).rfind("--benchmark_repetitions", 0) == 0;
  if (!hasReps) args.push_back(reps.data());
  args.push_back(aggregates.data());
  int n = static_cast<int>(args.size());
  benchmark::Initialize(&n, args.data());
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter.medians;
}

inline void printRatio(const std::map<std::string, double>& m, const std::string& slow,
                       const std::string& fast, const char* label) {
  const auto a = m.find(slow), b = m.find(fast);
  if (a == m.end() || b == m.end() || b->second <= 0) return;
  std::printf("%-48s median %10.1f ns vs %10.1f ns  ratio %.1fx\n", label, a->second, b->second,
              a->second / b->second);
}

}  // namespace quorvan::bench
