// A safety net for speed work on the automatic test: thousands of trials at
// several settings, every result label, RT/rt1.dat, CA/ca5.dat and the
// warnings folded into one digest recorded from the code before any of
// that work. A change to any trial's line, marks, table or label shows here.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "lab/scheduler.h"
#include "lab_fixture.h"

namespace quorvan::testing {
namespace {

// The labels the automatic test and the runs write, as they stood when the
// digests were recorded; labels added later are not part of them.
constexpr const char* kLabels[] = {
    "StatusBar1", "Label3",   "Label4",   "Label6",   "Label17",  "Label18",  "Label23",  "Label26",
    "Label27",    "Label25",  "Label34",  "Label29",  "Label33",  "Label112", "Label35",  "Label131",
    "Label130",   "Label128", "Label132", "Label37",  "Label56",  "Label24",  "Label32",  "Label10",
    "Label31",    "Label70",  "Label71",  "Label87",  "Label88",  "Label89",  "Label93",  "Label94",
    "Label95",    "Label72",  "Label73",  "Label75",  "Label79",  "Label82",  "Label84",  "Label85",
    "Label109",   "Label110", "Label21",  "Label225", "Label107", "Label108", "Label278", "LabelCheck",
    "Label138",   "Label139", "Label156", "Label58",  "Label169", "Label170", "Label171", "Label173",
    "Label174",   "Label175", "Label140", "Label157", "Label158", "Label165", "Label166", "Label167",
    "Label159",   "Label160", "Label221", "Label222", "Label223", "Label224", "Label168", "Label183",
    "Label184",   "Label185", "Label186", "Label187", "Label182", "Label188", "Label189", "Label190",
    "Label191",   "Label192", "Label193", "Label198", "Label200", "Label201", "Label202", "Label203",
    "Label204",   "Label205", "Label206", "Label207", "Label194", "Label195", "Label199", "Label208",
    "Label209",   "Label210", "Label211", "Label212", "Label213", "Label214", "Label215", "Label196",
    "Label197",   "Label216", "Label218",
};

struct Fnv {
  std::uint64_t h = 1469598103934665603ull;
  void add(const std::string& s) {
    for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    h = (h ^ 0xFF) * 1099511628211ull;  // a separator no text holds
  }
};

std::string fileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class Digest : public LabTest {};

TEST_F(Digest, TrialsAtSeveralSettingsGiveTheRecordedResults) {
  struct Case {
    const char* what;
    std::initializer_list<Ctl> extraBoxes;  // checked on top of the start-up mask
    int npoint;                             // 0: as "Auto" derives it
    const char *n0, *dn0, *c;
    int trials;
    std::uint64_t digest;
  };
  const Case cases[] = {
      {"default, N = 4", {}, 0, "50", "5", "100", 3000, 0xbecfdf173da91fbeull},
      {"N = 6", {Ctl::CheckBox15, Ctl::CheckBox5}, 0, "50", "5", "100", 1500, 0xd9483754f6f95e39ull},
      {"N = 9", {Ctl::CheckBox15, Ctl::CheckBox16, Ctl::CheckBox5, Ctl::CheckBox6, Ctl::CheckBox17}, 0, "50", "5",
       "100", 250, 0x82bdf4e6685eb7a6ull},
      {"long lines", {}, 0, "100", "31", "1000", 200, 0x85bd1a6b91c5e525ull},
      {"N = 3 on the start-up mask, with ambiguities", {}, 3, "50", "5", "100", 300, 0x2b78cc2f7664d31cull},
  };
  bool first = true;
  for (const Case& c : cases) {
    if (!first) {
      TearDown();
      SetUp();
    }
    first = false;
    startLab();
    for (Ctl box : c.extraBoxes) lab->userToggle(box, true);
    if (c.npoint) lab->userSelect(Ctl::RadioGroup15, c.npoint - 3);
    lab->userType(Ctl::Edit45, c.n0);
    lab->userType(Ctl::Edit46, c.dn0);
    lab->userType(Ctl::Edit48, c.c);
    lab->userClick(Ctl::Button125);
    TimerScheduler timers(*lab);
    timers.run(100'000'000, [&] { return lab->analysesRun >= c.trials; });
    Fnv f;
    for (const char* name : kLabels) f.add(std::string(name) + "=" + lab->controls.text(*controlByName(name)));
    f.add(fileBytes(dir / "RT/rt1.dat"));
    f.add(fileBytes(dir / "CA/ca5.dat"));
    for (const std::string& w : lab->warnings) f.add(w);
    f.add(std::to_string(lab->analysesRun) + " " + std::to_string(lab->warningCount));
    EXPECT_EQ(f.h, c.digest) << c.what << ": " << lab->analysesRun << " trials, " << lab->warningCount
                             << " warnings, digest 0x" << std::hex << f.h;
  }
}

}  // namespace
}  // namespace quorvan::testing
