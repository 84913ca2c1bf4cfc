// The real window and the headless front end agree on every table byte.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "app/tform1.h"
#include "lab/scheduler.h"
#include "lab/working_dir.h"
#include "support/run_lab.h"

namespace {

using namespace quorvan::testing_support;

// The real window on the offscreen platform and the headless front end, for
// the same settings, write the same "RT/rt1.dat" and show the same counts.
TEST(WindowAndCli, SameSettingsWriteTheSameTable) {
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
  // The form's own timer slots fire in the scheduler's simulated time, so the
  // widgets follow every tick as they do on real timers, without the wait.
  quorvan::TimerScheduler timers(form.lab(), [&](quorvan::Ctl timer) {
    const std::string slot = std::string(quorvan::controlName(timer)) + "Timer";
    ASSERT_TRUE(QMetaObject::invokeMethod(&form, slot.c_str())) << slot;
  });
  constexpr int kTrials = 40;
  timers.run(10'000'000, [&] { return form.lab().analysesRun >= kTrials; });
  ASSERT_EQ(form.lab().analysesRun, kTrials);
  QTest::mouseClick(form.findChild<QPushButton*>("Button126"), Qt::LeftButton);
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
  EXPECT_EQ(jsonArray(r.out, "unionCounts"),
            label("Label140") + "," + label("Label157") + "," + label("Label158"));
  EXPECT_EQ(std::to_string(jsonNumber(r.out, "total")), label("Label156"));
  EXPECT_EQ(std::to_string(jsonNumber(r.out, "notReturned")), label("Label139"));
  fs::remove_all(windowDir);
  fs::remove_all(cliDir);
}

}  // namespace
