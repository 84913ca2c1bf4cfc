// quorvan-lab: the automatic test without a window. It starts from the state
// the window has right after start-up, sets the mask, the order box, "Npoint"
// and the parameters as a user would, presses "Start test" and fires the
// timers in the order their intervals give, so its tables are the window's.
#include "cli/lab_cli.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "lab/laboratory.h"
#include "lab/scheduler.h"
#include "lab/working_dir.h"

namespace quorvan {
namespace {

constexpr const char* kUsage =
    "usage: quorvan-lab test [--trials K] [--mask LIST] [--order >>|<<] [--npoint N]\n"
    "                        [--n0 A] [--dn0 B] [--nb0 C] [--dnb D] [--c E]\n"
    "                        [--dir DIR] [--json]\n"
    "\n"
    "Runs the automatic test headless until K trials (default 100) have been\n"
    "analysed or the test halts on an ambiguity.\n"
    "  --mask LIST   checked mask boxes, e.g. L1,L2,R1 (the default); L<d>/R<d>, d = 1..11\n"
    "  --order       \">>\" (default) or \"<<\": the order of the points\n"
    "  --npoint N    click the \"Npoint\" item N (3..9)\n"
    "  --n0 --dn0    smallest trial length and its spread (\"N0=\", \"dN0=\")\n"
    "  --nb0 --dnb   smallest number of B cells and its spread (\"N0=\", \"NB=\")\n"
    "  --c E         the mark-row limit (\"C=\")\n"
    "  --dir DIR     working directory of every file (default .); missing\n"
    "                skeleton files are created there first\n"
    "  --json        print one JSON object instead of the summary\n";

struct Options {
  long long trials = 100;
  std::vector<bool> maskLeft = std::vector<bool>(12, false), maskRight = std::vector<bool>(12, false);
  std::string order = ">>";
  std::optional<int> npoint;
  std::optional<std::string> n0, dn0, nb0, dnb, c;
  std::string dir = ".";
  bool json = false;
};

bool isInteger(const std::string& s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  if (i == s.size()) return false;
  for (; i < s.size(); ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return s.size() < 12;
}

bool parseMask(const std::string& list, Options& o) {
  std::fill(o.maskLeft.begin(), o.maskLeft.end(), false);
  std::fill(o.maskRight.begin(), o.maskRight.end(), false);
  if (list.empty() || list == "none") return true;
  std::stringstream in(list);
  std::string item;
  while (std::getline(in, item, ',')) {
    if (item.size() < 2 || (item[0] != 'L' && item[0] != 'R') || !isInteger(item.substr(1)) ||
        item[1] == '+' || item[1] == '-')
      return false;
    const int d = std::stoi(item.substr(1));
    if (d < 1 || d > MaxDistance) return false;
    (item[0] == 'L' ? o.maskLeft : o.maskRight)[d] = true;
  }
  return true;
}

std::optional<Options> parseArguments(int argc, char** argv, std::string& error) {
  Options o;
  o.maskLeft[1] = o.maskLeft[2] = o.maskRight[1] = true;
  if (argc < 2 || std::string(argv[1]) != "test") {
    error = argc < 2 ? "missing command" : "unknown command '" + std::string(argv[1]) + "'";
    return std::nullopt;
  }
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--json") {
      o.json = true;
      continue;
    }
    if (i + 1 >= argc) {
      error = "missing value for " + arg;
      return std::nullopt;
    }
    const std::string value = argv[++i];
    if (arg == "--trials") {
      if (!isInteger(value) || value[0] == '-') return error = "bad --trials " + value, std::nullopt;
      o.trials = std::stoll(value);
    } else if (arg == "--mask") {
      if (!parseMask(value, o)) return error = "bad --mask " + value, std::nullopt;
    } else if (arg == "--order") {
      if (value != ">>" && value != "<<") return error = "bad --order " + value, std::nullopt;
      o.order = value;
    } else if (arg == "--npoint") {
      if (!isInteger(value) || std::stoi(value) < 3 || std::stoi(value) > 9)
        return error = "bad --npoint " + value, std::nullopt;
      o.npoint = std::stoi(value);
    } else if (arg == "--n0" || arg == "--dn0" || arg == "--nb0" || arg == "--dnb" || arg == "--c") {
      if (!isInteger(value)) return error = "bad " + arg + " " + value, std::nullopt;
      (arg == "--n0"    ? o.n0
       : arg == "--dn0" ? o.dn0
       : arg == "--nb0" ? o.nb0
       : arg == "--dnb" ? o.dnb
                        : o.c) = value;
    } else if (arg == "--dir") {
      o.dir = value;
    } else {
      error = "unknown option " + arg;
      return std::nullopt;
    }
  }
  return o;
}

void jsonString(std::ostream& out, const std::string& s) {
  out << '"';
  for (char ch : s) {
    if (ch == '"' || ch == '\\')
      out << '\\' << ch;
    else if (static_cast<unsigned char>(ch) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", ch);
      out << buf;
    } else
      out << ch;
  }
  out << '"';
}

template <typename Range>
void jsonArray(std::ostream& out, const Range& r) {
  out << '[';
  bool first = true;
  for (const auto& v : r) {
    if (!first) out << ',';
    out << v;
    first = false;
  }
  out << ']';
}

void progress(long long done, long long total) {
  constexpr int kWidth = 40;
  const int filled = total > 0 ? static_cast<int>(kWidth * done / total) : kWidth;
  std::fprintf(stderr, "\r[%.*s%*s] %lld/%lld trials", filled, "########################################",
               kWidth - filled, "", done, total);
  std::fflush(stderr);
}

}  // namespace

int runLabCli(int argc, char** argv) {
  if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::cout << kUsage;
    return 0;
  }
  std::string error;
  const std::optional<Options> parsed = parseArguments(argc, argv, error);
  if (!parsed) {
    std::cerr << "quorvan-lab: " << error << "\n" << kUsage;
    return 2;
  }
  const Options& o = *parsed;
  if (!prepareWorkingDirectory(o.dir, &error)) {
    std::cerr << "quorvan-lab: cannot prepare " << o.dir << ": " << error << "\n";
    return 2;
  }

  LabEnvironment env;
  env.workDir = o.dir;
  auto lab = std::make_unique<Laboratory>(env);
  lab->controls.setJournalEnabled(false);  // nobody mirrors the controls here
  lab->FormShow();

  // The mask, as clicks on the boxes whose state differs, "Auto" being on.
  for (int d = 1; d <= MaxDistance; ++d)
    if (lab->checked(leftMaskBox(d)) != o.maskLeft[d]) lab->userToggle(leftMaskBox(d), o.maskLeft[d]);
  for (int d = 1; d <= MaxDistance; ++d)
    if (lab->checked(rightMaskBox(d)) != o.maskRight[d]) lab->userToggle(rightMaskBox(d), o.maskRight[d]);
  const Ctl orderBox = o.order == "<<" ? Ctl::CheckBox45 : Ctl::CheckBox41;
  if (!lab->checked(orderBox)) lab->userToggle(orderBox, true);
  if (o.npoint) lab->userSelect(Ctl::RadioGroup15, *o.npoint - 3);
  const std::pair<Ctl, const std::optional<std::string>&> params[] = {{Ctl::Edit45, o.n0},
                                                                      {Ctl::Edit46, o.dn0},
                                                                      {Ctl::Edit51, o.nb0},
                                                                      {Ctl::Edit47, o.dnb},
                                                                      {Ctl::Edit48, o.c}};
  for (const auto& [edit, value] : params)
    if (value) lab->userType(edit, *value);

  const bool showProgress = isatty(STDERR_FILENO) != 0;
  const auto start = std::chrono::steady_clock::now();
  const std::int64_t analysedBefore = lab->analysesRun;
  lab->userClick(Ctl::Button125);
  TimerScheduler timers(*lab);
  bool halted = false;
  long long lastShown = -1;
  while (lab->analysesRun - analysedBefore < o.trials) {
    if (!timers.fireNext()) {
      halted = true;
      break;
    }
    const long long done = lab->analysesRun - analysedBefore;
    if (showProgress && done != lastShown && (done % 10 == 0 || done == o.trials)) {
      progress(done, o.trials);
      lastShown = done;
    }
  }
  if (showProgress) std::fputs("\n", stderr);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const long long analysed = lab->analysesRun - analysedBefore;

  const ConstructionState& k = lab->construction;
  if (o.json) {
    std::ostream& out = std::cout;
    out << "{\"trials\":" << lab->test.trialCount << ",\"analysed\":" << analysed
        << ",\"notReturned\":" << lab->notReturnedRuns << ",\"halted\":" << (halted ? "true" : "false")
        << ",\"ambiguities\":" << lab->warningCount << ",\"warnings\":[";
    for (std::size_t i = 0; i < lab->warnings.size(); ++i) {
      if (i) out << ',';
      jsonString(out, lab->warnings[i]);
    }
    out << "],\"valueCounts\":";
    jsonArray(out, k.valueCounts);
    out << ",\"unionCounts\":";
    jsonArray(out, k.unionCounts);
    out << ",\"total\":" << k.total << ",\"table1Rows\":" << lab->store.table1.rowCount
        << ",\"pointCount\":" << lab->geometry.pointCount << ",\"pointOffsets\":";
    jsonArray(out, lab->geometry.pointOffsets);
    out << ",\"seconds\":" << seconds << ",\"trialsPerSecond\":" << (seconds > 0 ? analysed / seconds : 0.0)
        << "}\n";
    return 0;
  }
  std::ostream& out = std::cout;
  out << "Quorvan automatic test in " << o.dir << "\n";
  out << "  trials analysed   " << analysed << (halted ? "  (halted: the test stopped itself)" : "") << "\n";
  out << "  trials started    " << lab->test.trialCount << "\n";
  out << "  not returned      " << lab->notReturnedRuns << "\n";
  out << "  ambiguities       " << lab->warningCount << "\n";
  out << "  points (N)        " << lab->geometry.pointCount << ", offsets";
  for (int i = 0; i < lab->geometry.pointCount && i < OffsetSlots; ++i)
    out << ' ' << lab->geometry.pointOffsets[i];
  out << "\n  results  =0 =1 =2 " << k.valueCounts[0] << ' ' << k.valueCounts[1] << ' ' << k.valueCounts[2]
      << "   =-0 =-1 =-2 " << k.valueCounts[3] << ' ' << k.valueCounts[4] << ' ' << k.valueCounts[5] << "\n";
  out << "  unions  U0 U1 U2  " << k.unionCounts[0] << ' ' << k.unionCounts[1] << ' ' << k.unionCounts[2]
      << "\n";
  out << "  total             " << k.total << "\n";
  out << "  table 1 rows      " << lab->store.table1.rowCount << " (RT/rt1.dat)\n";
  out << "  time              " << seconds << " s, " << (seconds > 0 ? analysed / seconds : 0.0)
      << " trials/s\n";
  for (std::size_t i = 0; i < lab->warnings.size() && i < 10; ++i)
    out << "  Warning: " << lab->warnings[i] << "\n";
  out << "\nResolution Table (=0)\n";
  const std::string& lines = lab->controls.text(Ctl::RichEdit4);
  out << lines << (lines.empty() ? "" : "\n");
  return 0;
}

}  // namespace quorvan
