// Laboratory scripts: replaying the window's work, what they print, and how
// they refuse bad lines.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/script.h"
#include "lab/control_model.h"
#include "lab/working_dir.h"
#include "support/run_lab.h"

namespace {

using namespace quorvan::testing_support;
using Json = nlohmann::json;

struct Ran {
  int code;
  std::string out, err;
};

// The interpreter in this process, over a prepared scratch directory.
class Script : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(quorvan::prepareWorkingDirectory(dir_.string())); }
  void TearDown() override { fs::remove_all(dir_); }

  Ran run(const std::string& text, std::int64_t maxTicks = quorvan::kScriptMaxTicks) {
    std::istringstream in(text);
    std::ostringstream out, err;
    quorvan::ScriptOptions o;
    o.fileName = "s.txt";
    o.workDir = dir_.string();
    o.maxTicks = maxTicks;
    const int code = quorvan::runScript(in, out, err, o);
    return {code, out.str(), err.str()};
  }

  // quorvan-lab itself, on a script file written into the directory.
  Result lab(const std::string& text, const std::string& args = "") {
    std::ofstream(dir_ / "s.txt") << text;
    return runLab("script " + (dir_ / "s.txt").string() + " --dir " + dir_.string() + " " + args, "&1");
  }

  fs::path dir_ = scratch();
};

// What "Start test", 12 trials and "Stop" leave is what `test --trials 12`
// leaves: the same table file, the same counts, and no timer running.
TEST_F(Script, ReplaysTheAutomaticTestAsTheTestCommandRunsIt) {
  const Result s = lab("click Button125\ntrials 12\nclick Button126\n", "--json");
  ASSERT_EQ(s.exitCode, 0) << s.out;
  const Json j = Json::parse(s.out);

  const fs::path testDir = scratch();
  const Result t = runLab("test --json --trials 12 --dir " + testDir.string());
  ASSERT_EQ(t.exitCode, 0);
  const Json k = Json::parse(t.out);
  EXPECT_EQ(bytes(dir_ / "RT/rt1.dat"), bytes(testDir / "RT/rt1.dat"));
  EXPECT_EQ(bytes(dir_ / "CA/ca5.dat"), bytes(testDir / "CA/ca5.dat"));
  fs::remove_all(testDir);

  const Json& labels = j["labels"];
  const char* values[] = {"Label169", "Label170", "Label171", "Label173", "Label174", "Label175"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(labels[values[i]], std::to_string(k["valueCounts"][i].get<long>()));
  const char* unions[] = {"Label140", "Label157", "Label158"};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(labels[unions[i]], std::to_string(k["unionCounts"][i].get<long>()));
  EXPECT_EQ(labels["Label156"], std::to_string(k["total"].get<long>()));
  EXPECT_EQ(labels["Label138"], "12");
  EXPECT_EQ(labels["Label139"], std::to_string(k["notReturned"].get<long>()));
  EXPECT_EQ(j["timers"]["Timer11"], false);
  EXPECT_EQ(j["timers"]["Timer1"], false);
  const Json& files = j["files"];
  EXPECT_NE(std::find(files.begin(), files.end(), "RT/rt1.dat"), files.end()) << files;
  EXPECT_EQ(std::find(files.begin(), files.end(), "RT/rt2.dat"), files.end()) << files;
}

TEST_F(Script, EveryBadLineStopsTheScriptWithItsLineNumber) {
  struct Case {
    const char* line;
    const char* message;  // a part of what follows "s.txt:2: "
  };
  const Case cases[] = {
      {"frobnicate", "unknown command 'frobnicate'"},
      {"Click Button6", "unknown command 'Click'"},
      {"click Button999", "no control named 'Button999'"},
      {"click button6", "no control named 'button6'"},
      {"click Library_RT_9_nothing_dat", "no control named"},
      {"click Edit1", "Edit1 is an edit"},
      {"click CheckBox33", "CheckBox33 is a check box"},
      {"click Timer1", "Timer1 is a timer"},
      {"type Button6 5", "Button6 is a button"},
      {"check Button6 on", "Button6 is a button"},
      {"check Write11 on", "Write11 is a menu item"},
      {"select Edit1 2", "Edit1 is an edit"},
      {"spin Edit1 up", "Edit1 is an edit"},
      {"tick Button6", "Button6 is a button"},
      {"print Button6", "Button6 is a button"},
      {"print Write11", "Write11 is a menu item"},
      {"click", "missing argument; usage: click NAME"},
      {"click # a comment is no name", "missing argument"},
      {"check CheckBox33", "missing argument; usage: check NAME on|off"},
      {"type", "missing argument; usage: type NAME TEXT"},
      {"select RadioGroup15", "missing argument; usage: select NAME ITEM"},
      {"spin UpDown2", "missing argument"},
      {"tick", "missing argument"},
      {"trials", "missing argument; usage: trials K"},
      {"answer", "missing argument; usage: answer PATH|cancel"},
      {"answer   ", "missing argument"},
      {"print", "missing argument"},
      {"picture", "missing argument"},
      {"mouse down 3", "missing argument; usage: mouse down|move X Y"},
      {"check CheckBox33 yes", "expected on or off, not 'yes'"},
      {"spin UpDown2 sideways", "expected up or down"},
      {"mouse up 1 2", "expected down or move"},
      {"click Button6 now", "unexpected 'now'"},
      {"print Edit1 Edit2", "unexpected 'Edit2'"},
      {"select RadioGroup15 x", "ITEM must be a number, not 'x'"},
      {"select RadioGroup15 3.0", "must be a number"},
      {"select RadioGroup15 7", "RadioGroup15 has no item 7 (its items are 0..6)"},
      {"select RadioGroup15 -1", "has no item -1"},
      {"trials many", "K must be a number, not 'many'"},
      {"trials -1", "K must not be negative"},
      {"trials 99999999999999999999", "K '99999999999999999999' is out of range"},
      {"run soon", "MS must be a number"},
      {"run -5", "MS must not be negative"},
      {"tick Timer1 x", "COUNT must be a number"},
      {"mouse down a 2", "X must be a number"},
      {"mouse move 1 99999999999999999999", "out of range"},
  };
  for (const Case& c : cases) {
    const Ran r = run(std::string("print Edit1\n") + c.line + "\nprint Edit2\n");
    EXPECT_EQ(r.code, 2) << c.line;
    EXPECT_EQ(r.out, "Edit1: 11\n") << c.line;  // the line before ran, the line after did not
    EXPECT_EQ(r.err.rfind("s.txt:2: ", 0), 0u) << c.line << " -> " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.line << " -> " << r.err;
  }
}

TEST_F(Script, HostileLinesAreRefusedWithoutHarm) {
  const std::string nul(
      "click Button\0"
      "6\n",
      14);
  const Ran r = run(nul);
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("s.txt:1: no control named"), std::string::npos) << r.err;

  const Ran huge = run("print Edit1\ntype Edit1 " + std::string(2 << 20, '7') + "\nprint Edit1\n");
  EXPECT_EQ(huge.code, 2);
  EXPECT_EQ(huge.out, "Edit1: 11\n");
  EXPECT_NE(huge.err.find("s.txt:2: line longer than"), std::string::npos) << huge.err.substr(0, 200);

  // A number too long for any field of the laboratory is only typed text.
  const Ran longNumber = run("type Edit1 99999999999999999999999\nprint Edit1\nprint UpDown2\n");
  EXPECT_EQ(longNumber.code, 0) << longNumber.err;
  EXPECT_EQ(longNumber.out, "Edit1: 99999999999999999999999\nUpDown2: 131\n");
}

TEST_F(Script, PrintShowsEachKindOfControlAsTheWindowShowsIt) {
  const Ran r =
      run("print Label138\n"
          "print CheckBox33\n"
          "print MainPanel1\n"
          "check MainPanel1 off\n"
          "print MainPanel1\n"
          "print RadioGroup12\n"
          "print RichEdit5\n"
          "print Timer11\n"
          "type Edit45\n"
          "print Edit45\n"
          "type Edit46   7 # not a comment\n"
          "print Edit46\n"
          "\t  # a comment, then a blank line\n"
          "\n"
          "click Button126   # disabled at start\n"
          "print Button126Disabled\n");
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.out,
            "Label138: X\n"
            "CheckBox33: off\n"
            "MainPanel1: on\n"
            "MainPanel1: off\n"
            "RadioGroup12: 2\n"
            "RichEdit5:\n"
            "(=0) 0 column = -1\n"
            "Timer11: off\n"
            "Edit45: \n"
            "Edit46:   7 # not a comment\n");
  EXPECT_NE(r.err.find("s.txt:15: Button126 is disabled; nothing happens"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("s.txt:16: no control named 'Button126Disabled'"), std::string::npos) << r.err;

  const Ran labels = run("print labels\n");
  int count = 0;
  for (int i = 0; i < quorvan::kControlCount; ++i)
    count += quorvan::controlKind(static_cast<quorvan::Ctl>(i)) == quorvan::Kind::Label;
  EXPECT_EQ(std::count(labels.out.begin(), labels.out.end(), '\n'), count);
  EXPECT_EQ(labels.out.rfind("Label3: ld0\nLabel4: ld1\n", 0), 0u) << labels.out.substr(0, 100);
}

// A spinner's arrow at the end of its range still clicks, with the position
// held; a check box already in the state asked for is not clicked at all.
TEST_F(Script, ArrowsAndChecksActAsAUsersClicks) {
  const Ran r =
      run("type Edit1 131\n"
          "spin UpDown2 up\n"
          "print Edit1\n"
          "spin UpDown2 down\n"
          "spin UpDown2 down\n"
          "print Edit1\n"
          "check CheckBox41 on\n"  // ">>" is on: nothing happens
          "print CheckBox41\n"
          "check CheckBox45 on\n"  // "<<" takes the order over
          "print CheckBox45\n");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "Edit1: 131\nEdit1: 129\nCheckBox41: on\nCheckBox45: on\n");
}

// Timer time is counted from each timer's switching on; ticks come only while
// the timer runs, and the trial timer switches itself off at its tick.
TEST_F(Script, TimersTickInTheirOwnTimeAndOnlyWhileEnabled) {
  const Ran r =
      run("tick Timer11 3\n"
          "print Label138\n"
          "click Button125\n"
          "run 9\n"
          "print Label138\n"
          "run 1\n"
          "print Label138\n"
          "click Button126\n"
          "click Button125\n"
          "tick Timer11 5\n"
          "print Label138\n"
          "print Timer11\n");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "Label138: X\nLabel138: X\nLabel138: 1\nLabel138: 2\nTimer11: off\n");
}

// A test left running never stops by itself; `run` gives up at its tick cap,
// says so and goes on with the next line.
TEST_F(Script, RunWithoutATimeStopsAtTheTickCap) {
  const Ran r = run("click Button125\nrun\nprint Label138\n", 5000);
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.err.find("s.txt:2: run stopped after 5000 timer ticks; still enabled: Timer"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.out.find("Label138: "), std::string::npos);
  EXPECT_EQ(r.out.find("Label138: X"), std::string::npos) << "no trial started";

  const Ran halted = run("trials 3\n");
  EXPECT_EQ(halted.code, 0);
  EXPECT_NE(halted.err.find("s.txt:1: trials: no timer is enabled after 0 of 3 trials"), std::string::npos)
      << halted.err;
}

// Left 1, left 3 and right 1 meet a four-point contradiction in the first
// trial: its box is printed and counted, and the halted test ends `trials`.
TEST_F(Script, AWarningBoxIsPrintedAndTheHaltEndsTheTrials) {
  const std::string text =
      "check CheckBox5 on\ncheck CheckBox4 off\nclick Button125\ntrials 100\nprint Timer11\n";
  const Ran r = run(text);
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("warning: ", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("    AMBIGUITY!!!  \n"), std::string::npos) << r.out;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;
  EXPECT_NE(r.out.find("\nTimer11: off\n"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("s.txt:4: trials: no timer is enabled after 1 of 100 trials"), std::string::npos)
      << r.err;

  const Result j = lab(text, "--json");
  const Json warnings = Json::parse(j.out.substr(j.out.find('{')))["warnings"];
  EXPECT_EQ(warnings["count"], 1);
  ASSERT_EQ(warnings["texts"].size(), 1u);
  EXPECT_NE(warnings["texts"][0].get<std::string>().find("AMBIGUITY!!!"), std::string::npos);
}

TEST_F(Script, JsonHoldsEveryControlsStateAndTheFilesWritten) {
  const Result r =
      lab("type Edit45 40\n"
          "click Button58\n"
          "print Edit45\n"
          "print RichEdit6\n",
          "--json --clock 1234567");
  ASSERT_EQ(r.exitCode, 0) << r.out;
  const Json j = Json::parse(r.out);
  for (const char* key : {"labels", "edits", "checks", "radioGroups", "spinners", "timers", "panels"})
    EXPECT_TRUE(j[key].is_object()) << key;
  EXPECT_EQ(j["labels"]["Label138"], "X");
  EXPECT_EQ(j["edits"]["Edit45"], "40");
  EXPECT_EQ(j["checks"]["CheckBox41"], true);
  EXPECT_EQ(j["checks"]["MainPanel1"], true);
  EXPECT_FALSE(j["checks"].contains("Write11")) << "no check mark";
  EXPECT_EQ(j["radioGroups"]["RadioGroup12"], 2);
  EXPECT_EQ(j["panels"]["RichEdit6"], Json::array({"(=0) 0 column = +1"}));
  EXPECT_EQ(j["printed"], Json::array({"Edit45: 40", "RichEdit6:", "(=0) 0 column = +1"}));
  EXPECT_EQ(j["warnings"]["count"], 0);
  EXPECT_TRUE(j["warnings"]["texts"].is_array());
  // Start-up and "Random" save their line; no table was written.
  EXPECT_EQ(j["files"], Json::array({"CA/ca5.dat"}));
  EXPECT_FALSE(j.contains("error"));

  const Result bad = lab("type Edit45 \xff\xfe\nbogus\n", "--json");
  EXPECT_EQ(bad.exitCode, 2);
  const auto brace = bad.out.find('{');
  ASSERT_NE(brace, std::string::npos) << bad.out;
  const Json e = Json::parse(bad.out.substr(brace));  // the bytes typed are no UTF-8, the output is
  EXPECT_NE(e["error"].get<std::string>().find("s.txt:2: unknown command 'bogus'"), std::string::npos)
      << e["error"];
}

// The next file dialog gets the answers queued for it in order; one without
// an answer is cancelled and says so.
TEST_F(Script, FileDialogsTakeTheQueuedAnswers) {
  const Result r =
      lab("answer cancel\n"
          "click WriteRCA1\n"
          "answer mine.dat\n"
          "click WriteRCA1\n"
          "click WriteRCA1\n",
          "--json");
  ASSERT_EQ(r.exitCode, 0) << r.out;
  EXPECT_NE(r.out.find(":5: a file dialog (*.dat|) found no answer queued and was cancelled"),
            std::string::npos)
      << r.out.substr(0, 300);
  const Json j = Json::parse(r.out.substr(r.out.find('{')));
  EXPECT_TRUE(fs::exists(dir_ / "mine.dat"));
  const Json& files = j["files"];
  EXPECT_NE(std::find(files.begin(), files.end(), "mine.dat"), files.end()) << files;
}

#if QUORVAN_LAB_HAS_PICTURES
// The canvas the window draws on, saved: a script's picture of the automatic
// test is the `test` command's, and a drawn run is not a blank diagram.
TEST_F(Script, PicturesAreTheCanvasTheWindowDrawsOn) {
  const fs::path testDir = scratch();
  ASSERT_EQ(
      runLab("test --trials 12 --picture " + (testDir / "t.png").string() + " --dir " + testDir.string())
          .exitCode,
      0);
  ASSERT_EQ(lab("picture blank.png\nclick Button125\ntrials 12\nclick Button126\npicture s.png\n").exitCode,
            0);
  const std::string png = bytes(dir_ / "s.png");
  EXPECT_EQ(png, bytes(testDir / "t.png"));
  fs::remove_all(testDir);
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  const auto be32 = [&](std::size_t at) {
    return (unsigned(std::uint8_t(png[at])) << 24) | (unsigned(std::uint8_t(png[at + 1])) << 16) |
           (unsigned(std::uint8_t(png[at + 2])) << 8) | unsigned(std::uint8_t(png[at + 3]));
  };
  EXPECT_EQ(be32(16), 1032u);  // IHDR width and height: the window's canvas
  EXPECT_EQ(be32(20), 800u);

  const Result drawn =
      lab("check CheckBox33 on\ncheck CheckBox43 off\ntype Edit1 60\nclick Button58\nclick Button6\nrun\n"
          "picture drawn.png\n",
          "--json");
  ASSERT_EQ(drawn.exitCode, 0) << drawn.out;
  EXPECT_NE(bytes(dir_ / "drawn.png"), bytes(dir_ / "blank.png"));
  EXPECT_EQ(Json::parse(drawn.out)["pictures"], Json::array({"drawn.png"}));

  const Result unwritable = lab("picture no/such/dir/x.png\nprint Edit1\n");
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.out.find("s.txt:1: cannot write picture 'no/such/dir/x.png': "), std::string::npos)
      << unwritable.out;
  EXPECT_EQ(unwritable.out.find("Edit1:"), std::string::npos);
}
#else
TEST_F(Script, ABuildWithoutQtSaysItCannotWritePictures) {
  const Result r = lab("picture x.png\nprint Edit1\n");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.out.find("s.txt:1: this build cannot write pictures"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("Edit1:"), std::string::npos);
  EXPECT_EQ(runLab("test --trials 1 --picture x.png --dir " + dir_.string()).exitCode, 1);
}
#endif

TEST(ScriptCli, TheCommandLineOfScript) {
  EXPECT_EQ(runLab("script").exitCode, 2);
  EXPECT_EQ(runLab("script /no/such/script.txt").exitCode, 2);
  EXPECT_EQ(runLab("script - --clock 4294967296 < /dev/null").exitCode, 2);
  const Result help = runLab("script --help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("usage: quorvan-lab script FILE", 0), 0u) << help.out;
  const fs::path dir = scratch();
  std::ofstream(dir / "in.txt") << "print Edit45\n";
  const Result piped = runLab("script - --dir " + dir.string() + " < " + (dir / "in.txt").string());
  EXPECT_EQ(piped.exitCode, 0);
  EXPECT_EQ(piped.out, "Edit45: 50\n");
  for (const quorvan::SkeletonEntry& e : quorvan::workingDirectorySkeleton())
    EXPECT_TRUE(fs::exists(dir / e.path)) << e.path;
  fs::remove_all(dir);
}

}  // namespace
