// quorvan-lab: the laboratory without a window. `test` runs the automatic
// test: it starts from the state the window has right after start-up, sets
// the mask, the order box, "Npoint" and the parameters as a user would,
// presses "Start test" and fires the timers in the order their intervals
// give, so its tables are the window's. `script` replays any user actions.
#include "cli/lab_cli.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/atlas_command.h"
#include "cli/batch_command.h"
#include "cli/pictures.h"
#include "cli/progress.h"
#include "cli/script.h"
#include "lab/laboratory.h"
#include "lab/scheduler.h"
#include "lab/working_dir.h"

namespace quorvan {
namespace {

constexpr const char* kTestUsage =
    "usage: quorvan-lab test [--trials K] [--mask LIST] [--order >>|<<] [--npoint N]\n"
    "                        [--n0 A] [--dn0 B] [--nb0 C] [--dnb D] [--c E]\n"
    "                        [--dir DIR] [--picture FILE.png] [--json]\n";
constexpr const char* kScriptUsage =
    "usage: quorvan-lab script FILE [--dir DIR] [--clock SECONDS] [--json]\n";
constexpr const char* kTopUsage =
    "usage: quorvan-lab test [--trials K] [--mask LIST] [--order >>|<<] [--npoint N] [...]\n"
    "       quorvan-lab script FILE [--dir DIR] [--clock SECONDS] [--json]\n"
    "       quorvan-lab COMMAND --help\n";

// Our own usage lines head every help text, before the description: they
// show the options the way a researcher types them, which CLI11's generic
// "[OPTIONS]" does not.
class UsageFormatter : public CLI::Formatter {
 public:
  std::string make_usage(const CLI::App* app, std::string) const override {
    const std::string& name = app->get_name();
    const char* usage = name == "test" ? kTestUsage : name == "script" ? kScriptUsage : kTopUsage;
    return std::string(usage) + "\n" + app->get_description() + "\n";
  }
  std::string make_description(const CLI::App*) const override { return {}; }
};

struct TestOptions {
  long long trials = 100;
  std::vector<bool> maskLeft = std::vector<bool>(MaxDistance + 1, false);
  std::vector<bool> maskRight = std::vector<bool>(MaxDistance + 1, false);
  std::string mask = "L1,L2,R1";
  std::string order = ">>";
  int npoint = 0;  // 0: leave "Npoint" as start-up left it
  std::string n0, dn0, nb0, dnb, c;
  std::string dir = ".";
  std::string picture;
  bool json = false;
};

struct ScriptArgs {
  std::string file;
  std::string dir = ".";
  long long clock = -1;  // -1: the real clock
  bool json = false;
};

// A mask list like "L1,L2,R1" ("" or "none": no box) into the two sides;
// false for anything else.
bool parseMask(const std::string& list, std::vector<bool>& left, std::vector<bool>& right) {
  std::fill(left.begin(), left.end(), false);
  std::fill(right.begin(), right.end(), false);
  if (list.empty() || list == "none") return true;
  std::stringstream in(list);
  std::string item;
  while (std::getline(in, item, ',')) {
    if (item.size() < 2 || (item[0] != 'L' && item[0] != 'R')) return false;
    int d = 0;
    const char* end = item.data() + item.size();
    const auto [at, ec] = std::from_chars(item.data() + 1, end, d);
    if (ec != std::errc() || at != end || d < 1 || d > MaxDistance) return false;
    (item[0] == 'L' ? left : right)[static_cast<std::size_t>(d)] = true;
  }
  // getline drops a trailing empty item: "L1," is as wrong as ",L1".
  return list.back() != ',';
}

// A whole number within [lo, hi], or nothing. CLI11's own conversion
// saturates a number too long for its type, so every number of ours is
// read here, where too long is simply out of range.
std::optional<long long> wholeNumber(const std::string& v, long long lo, long long hi) {
  const char* begin = v.data() + (!v.empty() && v[0] == '+' ? 1 : 0);
  const char* end = v.data() + v.size();
  long long n = 0;
  const auto [at, ec] = std::from_chars(begin, end, n);
  if (ec != std::errc() || at != end || n < lo || n > hi) return std::nullopt;
  return n;
}

CLI::Validator wholeNumberIn(long long lo, long long hi) {
  const std::string range = std::to_string(lo) + ".." + std::to_string(hi);
  return CLI::Validator(
      [lo, hi, range](std::string& v) -> std::string {
        return wholeNumber(v, lo, hi) ? std::string() : "not a whole number in " + range + ": " + v;
      },
      "", "wholeNumberIn");
}

long long numberOf(const std::string& v) {
  return wholeNumber(v, std::numeric_limits<long long>::min(), std::numeric_limits<long long>::max()).value();
}

// The parameters are typed into their edits as given, but only a 32-bit
// number makes sense on the command line.
const CLI::Validator kInt32 =
    wholeNumberIn(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());

const CLI::Validator kMask(
    [](std::string& v) -> std::string {
      std::vector<bool> l(MaxDistance + 1), r(MaxDistance + 1);
      return parseMask(v, l, r) ? std::string() : "bad mask list: " + v;
    },
    "", "mask");

const CLI::Validator kOrder(
    [](std::string& v) -> std::string {
      return v == ">>" || v == "<<" ? std::string() : "not >> or <<: " + v;
    },
    "", "order");


int runTest(const TestOptions& o, const CliStreams& io) {
  std::ostream& out = io.out;
  std::string error;
  std::unique_ptr<PictureCanvas> pictures;
  if (!o.picture.empty()) {
    pictures = makePictureCanvas();
    if (!pictures) {
      io.err << "quorvan-lab: this build cannot write pictures\n";
      return 1;
    }
  }
  if (!prepareWorkingDirectory(o.dir, &error)) {
    io.err << "quorvan-lab: cannot prepare " << o.dir << ": " << error << "\n";
    return 2;
  }

  LabEnvironment env;
  env.workDir = o.dir;
  auto lab = std::make_unique<Laboratory>(env);
  lab->controls.setJournalEnabled(false);  // nobody mirrors the controls here
  // The picture holds the last trial's diagram only if it sees every draw.
  if (pictures) lab->setCanvas(&pictures->canvas());
  lab->FormShow();

  // The mask, as clicks on the boxes whose state differs, "Auto" being on.
  for (int d = 1; d <= MaxDistance; ++d)
    if (lab->checked(leftMaskBox(d)) != o.maskLeft[d]) lab->userToggle(leftMaskBox(d), o.maskLeft[d]);
  for (int d = 1; d <= MaxDistance; ++d)
    if (lab->checked(rightMaskBox(d)) != o.maskRight[d]) lab->userToggle(rightMaskBox(d), o.maskRight[d]);
  const Ctl orderBox = o.order == "<<" ? Ctl::CheckBox45 : Ctl::CheckBox41;
  if (!lab->checked(orderBox)) lab->userToggle(orderBox, true);
  if (o.npoint != 0) lab->userSelect(Ctl::RadioGroup15, o.npoint - 3);
  const std::pair<Ctl, const std::string&> params[] = {{Ctl::Edit45, o.n0},
                                                       {Ctl::Edit46, o.dn0},
                                                       {Ctl::Edit51, o.nb0},
                                                       {Ctl::Edit47, o.dnb},
                                                       {Ctl::Edit48, o.c}};
  for (const auto& [edit, value] : params)
    if (!value.empty()) lab->userType(edit, value);

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
    if (io.progress && done != lastShown && (done % 10 == 0 || done == o.trials)) {
      drawProgress(io.err, done, o.trials, "trials");
      lastShown = done;
    }
  }
  if (io.progress) io.err << "\n";
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const long long analysed = lab->analysesRun - analysedBefore;
  const double rate = seconds > 0 ? analysed / seconds : 0.0;

  const ConstructionState& k = lab->construction;
  if (o.json) {
    nlohmann::ordered_json j;
    j["trials"] = lab->test.trialCount;
    j["analysed"] = analysed;
    j["notReturned"] = lab->notReturnedRuns;
    j["halted"] = halted;
    j["ambiguities"] = lab->warningCount;
    j["warnings"] = lab->warnings;
    j["valueCounts"] = k.valueCounts;
    j["unionCounts"] = k.unionCounts;
    j["total"] = k.total;
    j["table1Rows"] = lab->store.table1.rowCount;
    j["pointCount"] = lab->geometry.pointCount;
    j["pointOffsets"] = lab->geometry.pointOffsets;
    j["seconds"] = seconds;
    j["trialsPerSecond"] = rate;
    out << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
  } else {
    out << "Quorvan automatic test in " << o.dir << "\n";
    out << "  trials analysed   " << analysed << (halted ? "  (halted: the test stopped itself)" : "")
        << "\n";
    out << "  trials started    " << lab->test.trialCount << "\n";
    out << "  not returned      " << lab->notReturnedRuns << "\n";
    out << "  ambiguities       " << lab->warningCount << "\n";
    out << "  points (N)        " << lab->geometry.pointCount << ", offsets";
    for (int i = 0; i < lab->geometry.pointCount && i < OffsetSlots; ++i)
      out << ' ' << lab->geometry.pointOffsets[i];
    out << "\n  results  =0 =1 =2 " << k.valueCounts[0] << ' ' << k.valueCounts[1] << ' ' << k.valueCounts[2]
        << "   =-0 =-1 =-2 " << k.valueCounts[3] << ' ' << k.valueCounts[4] << ' ' << k.valueCounts[5]
        << "\n";
    out << "  unions  U0 U1 U2  " << k.unionCounts[0] << ' ' << k.unionCounts[1] << ' ' << k.unionCounts[2]
        << "\n";
    out << "  total             " << k.total << "\n";
    out << "  table 1 rows      " << lab->store.table1.rowCount << " (RT/rt1.dat)\n";
    out << "  time              " << seconds << " s, " << rate << " trials/s\n";
    for (std::size_t i = 0; i < lab->warnings.size() && i < 10; ++i)
      out << "  Warning: " << lab->warnings[i] << "\n";
    out << "\nResolution Table (=0)\n";
    const std::string& lines = lab->controls.text(Ctl::RichEdit4);
    out << lines << (lines.empty() ? "" : "\n");
  }
  if (pictures && !pictures->writePng(o.picture, error)) {
    io.err << "quorvan-lab: cannot write picture " << o.picture << ": " << error << "\n";
    return 1;
  }
  return 0;
}

int runScriptFile(const ScriptArgs& a, const CliStreams& io) {
  std::ifstream file;
  std::istream* in = &io.in;
  if (a.file != "-") {
    std::error_code ec;
    if (std::filesystem::is_directory(a.file, ec)) {
      io.err << "quorvan-lab: cannot read script " << a.file << ": it is a directory\n";
      return 2;
    }
    errno = 0;
    file.open(a.file, std::ios::binary);
    if (!file) {
      io.err << "quorvan-lab: cannot read script " << a.file << ": "
             << (errno ? std::strerror(errno) : "cannot open") << "\n";
      return 2;
    }
    in = &file;
  }
  std::string error;
  if (!prepareWorkingDirectory(a.dir, &error)) {
    io.err << "quorvan-lab: cannot prepare " << a.dir << ": " << error << "\n";
    return 2;
  }
  // A build with pictures always draws, so that any `picture` line, however
  // late, shows what the window would show.
  const std::unique_ptr<PictureCanvas> pictures = makePictureCanvas();
  ScriptOptions o;
  o.fileName = a.file == "-" ? "<stdin>" : a.file;
  o.workDir = a.dir;
  if (a.clock >= 0) o.clockSeconds = static_cast<std::uint32_t>(a.clock);
  o.json = a.json;
  o.pictures = pictures.get();
  return runScript(*in, io.out, io.err, o);
}

}  // namespace

int runLabCli(int argc, const char* const* argv, const CliStreams& io) {
  CLI::App app("The Quorvan laboratory without a window.", "quorvan-lab");
  app.formatter(std::make_shared<UsageFormatter>());
  app.require_subcommand(1);

  TestOptions t;
  CLI::App* test = app.add_subcommand(
      "test",
      "Runs the automatic test headless until K trials have been analysed or the test halts on an "
      "ambiguity.");
  std::string trials = "100", npoint, clock;
  test->add_option("--trials", trials, "trials to analyse (default 100)")
      ->type_name("K")
      ->check(wholeNumberIn(0, std::numeric_limits<long long>::max()));
  test->add_option("--mask", t.mask, "checked mask boxes, L<d>/R<d> with d = 1..11 (default L1,L2,R1)")
      ->type_name("LIST")
      ->check(kMask);
  test->add_option("--order", t.order, "the order of the points (default >>)")
      ->type_name(">>|<<")
      ->check(kOrder);
  test->add_option("--npoint", npoint, "click the \"Npoint\" item N, 3..9")
      ->type_name("N")
      ->check(wholeNumberIn(3, 9));
  test->add_option("--n0", t.n0, "smallest trial length (\"N0=\")")->type_name("A")->check(kInt32);
  test->add_option("--dn0", t.dn0, "spread of the trial length (\"dN0=\")")->type_name("B")->check(kInt32);
  test->add_option("--nb0", t.nb0, "smallest number of B cells (\"N0=\")")->type_name("C")->check(kInt32);
  test->add_option("--dnb", t.dnb, "spread of the number of B cells (\"NB=\")")
      ->type_name("D")
      ->check(kInt32);
  test->add_option("--c", t.c, "the mark-row limit (\"C=\")")->type_name("E")->check(kInt32);
  test->add_option("--dir", t.dir,
                   "working directory of every file (default .); missing skeleton files are created")
      ->type_name("DIR");
  test->add_option("--picture", t.picture, "write the last trial's diagram as a PNG")->type_name("FILE.png");
  test->add_flag("--json", t.json, "print one JSON object instead of the summary");

  ScriptArgs s;
  CLI::App* script = app.add_subcommand(
      "script",
      "Runs a laboratory script: one command a line, each acting on a control of the main window by its "
      "object name.");
  script->add_option("FILE", s.file, "the script; - reads standard input")->type_name("")->required();
  script
      ->add_option("--dir", s.dir,
                   "working directory of every file and picture (default .); missing skeleton files are "
                   "created")
      ->type_name("DIR");
  script
      ->add_option("--clock", clock,
                   "the calendar time in seconds that every reseed from the clock reads (default: the real "
                   "clock)")
      ->type_name("SECONDS")
      ->check(wholeNumberIn(0, std::numeric_limits<std::uint32_t>::max()));
  script->add_flag("--json", s.json, "print one JSON object of every control's state at the end");
  script->footer(
      "Commands:\n"
      "  click NAME            a button, a menu item, a group box or a library item "
      "(Library_RT_5_r_3_3_dat)\n"
      "  check NAME on|off     click a check box or a check-mark menu item if its state differs\n"
      "  type NAME TEXT        replace an edit's text with the rest of the line (may be empty)\n"
      "  select NAME ITEM      click item ITEM (0, 1, ...) of a radio group\n"
      "  spin NAME up|down     click an arrow of a spinner\n"
      "  mouse down|move X Y   a press or a move of the mouse over the diagram, in client coordinates\n"
      "  tick NAME [COUNT]     COUNT ticks (default 1) of a timer, while it is enabled\n"
      "  run [MS]              fire the enabled timers until none is, or for MS ms of timer time\n"
      "  trials K              the same until K more trials have been analysed or the test halts\n"
      "  answer PATH|cancel    what the next file dialog returns\n"
      "  print NAME|labels     a control's value, or every label\n"
      "  picture FILE.png      the diagram as the window draws it\n"
      "  # ...                 a comment");

  BatchOptions b;
  std::string batchRuns = "1000", batchClock;
  CLI::App* batch = app.add_subcommand(
      "batch", "Runs the batch statistics of \"Timer10\" at full speed: random runs of 20..39 cells.");
  batch->add_option("--runs", batchRuns, "ended runs to count (1..1000, default 1000)")
      ->type_name("K")
      ->check(wholeNumberIn(1, kBatchSize));
  batch
      ->add_option("--clock", batchClock,
                   "the calendar time in seconds that every 128th run reseeds from (default: the real clock)")
      ->type_name("SECONDS")
      ->check(wholeNumberIn(1, std::numeric_limits<std::uint32_t>::max()));
  batch->add_flag("--json", b.json, "print one JSON object of Panel1's counts");

  AtlasOptions a;
  std::string atlasTrials = "200", atlasClock = "1", atlasJobs = "1";
  CLI::App* atlas = app.add_subcommand(
      "atlas",
      "Runs the automatic test for every cell of the reference chart (odd left and right mask codes 1..39, "
      "left >= right) and writes atlas.json, atlas.csv and the chart atlas.bmp.");
  atlas->add_option("--trials", atlasTrials, "trials per cell (default 200)")
      ->type_name("K")
      ->check(wholeNumberIn(1, 1'000'000));
  atlas->add_option("--clock", atlasClock, "the fixed calendar time in seconds (default 1)")
      ->type_name("SECONDS")
      ->check(wholeNumberIn(1, std::numeric_limits<std::uint32_t>::max()));
  atlas->add_option("--jobs", atlasJobs, "threads that share the cells (default 1)")
      ->type_name("N")
      ->check(wholeNumberIn(1, 256));
  atlas->add_option("--cells", a.cells, "only these cells, as LEFT:RIGHT,LEFT:RIGHT,...")->type_name("LIST");
  atlas->add_option("--merge", a.merge, "combine these atlas.json files instead of computing")
      ->type_name("FILE...");
  atlas->add_option("--out", a.out, "where the three files go (default .)")->type_name("DIR");

  // CLI11 would take an unknown command for a stray argument and only say
  // that a command is required.
  if (argc >= 2 && argv[1][0] != '-' && std::strcmp(argv[1], "test") != 0 &&
      std::strcmp(argv[1], "script") != 0 && std::strcmp(argv[1], "batch") != 0 &&
      std::strcmp(argv[1], "atlas") != 0) {
    io.err << "quorvan-lab: unknown command '" << argv[1] << "'\n" << app.help();
    return 2;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    io.out << app.help();
    return 0;
  } catch (const CLI::ParseError& e) {
    // help() is the help of the subcommand the error arose in, if any.
    io.err << "quorvan-lab: " << e.what() << "\n" << app.help();
    return 2;
  }

  if (test->parsed()) {
    parseMask(t.mask, t.maskLeft, t.maskRight);
    t.trials = numberOf(trials);
    if (!npoint.empty()) t.npoint = static_cast<int>(numberOf(npoint));
    return runTest(t, io);
  }
  if (batch->parsed()) {
    b.runs = static_cast<int>(numberOf(batchRuns));
    if (!batchClock.empty()) b.clockSeconds = static_cast<std::uint32_t>(numberOf(batchClock));
    return runBatchCommand(b, io);
  }
  if (atlas->parsed()) {
    a.trials = static_cast<int>(numberOf(atlasTrials));
    a.clockSeconds = static_cast<std::uint32_t>(numberOf(atlasClock));
    a.jobs = static_cast<int>(numberOf(atlasJobs));
    return runAtlasCommand(a, io);
  }
  if (!clock.empty()) s.clock = numberOf(clock);
  return runScriptFile(s, io);
}

}  // namespace quorvan
