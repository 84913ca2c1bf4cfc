// A script's picture is the window's canvas, pixel for pixel.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "app/tform1.h"
#include "canvas/image_canvas.h"
#include "lab/scheduler.h"
#include "lab/working_dir.h"
#include "support/run_lab.h"

namespace {

using namespace quorvan::testing_support;

TEST(PictureAndWindow, AScriptDrawsWhatTheWindowDraws) {
  const fs::path scriptDir = scratch(), windowDir = scratch();
  {
    std::ofstream script(scriptDir / "go.txt");
    script << "check CheckBox33 on\ncheck CheckBox43 off\ntype Edit1 60\nclick Button58\nclick Button6\nrun\n"
              "picture go.png\n";
  }
  ASSERT_EQ(runLab("script " + (scriptDir / "go.txt").string() + " --clock 5 --dir " + scriptDir.string()).exitCode,
            0);
  QImage picture;
  ASSERT_TRUE(picture.load(QString::fromStdString((scriptDir / "go.png").string())));

  quorvan::prepareWorkingDirectory(windowDir.string());
  quorvan::LabEnvironment env;
  env.workDir = windowDir.string();
  env.clockSeconds = [] { return 5u; };
  TForm1 form(env);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QTest::mouseClick(form.findChild<QCheckBox*>("CheckBox33"), Qt::LeftButton);
  QTest::mouseClick(form.findChild<QCheckBox*>("CheckBox43"), Qt::LeftButton);
  auto* length = form.findChild<QLineEdit*>("Edit1");
  length->selectAll();
  QTest::keyClicks(length, "60");
  QTest::mouseClick(form.findChild<QPushButton*>("Button58"), Qt::LeftButton);
  QTest::mouseClick(form.findChild<QPushButton*>("Button6"), Qt::LeftButton);
  quorvan::TimerScheduler timers(form.lab(), [&](quorvan::Ctl timer) {
    const std::string slot = std::string(quorvan::controlName(timer)) + "Timer";
    QMetaObject::invokeMethod(&form, slot.c_str());
  });
  timers.run(10'000'000);
  EXPECT_EQ(form.lab().lattice.lineLength, 60);

  const QImage& drawn = form.canvas().image();
  ASSERT_EQ(picture.size(), drawn.size());
  EXPECT_TRUE(picture.convertToFormat(drawn.format()) == drawn);
  fs::remove_all(scriptDir);
  fs::remove_all(windowDir);
}

}  // namespace
