// How close the window's running automaton comes to the 1 ms timer: "GO" on
// a 131-cell line in the ordinary view for 3 s of wall time, against an
// empty 1 ms precise timer in the same process. Prints both rates.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/tform1.h"

namespace {

constexpr int kMilliseconds = 3000;

double emptyTimerRate() {
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setInterval(1);
  long ticks = 0;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  QElapsedTimer clock;
  clock.start();
  timer.start();
  while (clock.elapsed() < kMilliseconds) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  timer.stop();
  return ticks * 1000.0 / double(clock.elapsed());
}

double windowStepRate() {
  QTemporaryDir dir;
  quorvan::LabEnvironment env;
  env.workDir = dir.path().toStdString();
  TForm1 form(std::move(env));
  form.show();
  auto* edit = form.findChild<QLineEdit*>("Edit1");
  edit->setText("131");
  QMetaObject::invokeMethod(&form, "Edit1Change");
  form.findChild<QCheckBox*>("CheckBox33")->click();  // "Ordinary"
  auto* random = form.findChild<QPushButton*>("Button58");
  auto* go = form.findChild<QPushButton*>("Button6");
  auto* timer = form.findChild<QTimer*>("Timer1");
  random->click();
  go->click();

  long ticks = 0, restarts = 0;
  QObject::connect(timer, &QTimer::timeout, [&] { ++ticks; });
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < kMilliseconds) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // A run that ends stops its timer; start the next one at once.
    if (!timer->isActive()) {
      random->click();
      go->click();
      ++restarts;
    }
  }
  const double rate = ticks * 1000.0 / double(clock.elapsed());
  std::printf("window: %ld steps, %ld new lines, last step count %s\n", ticks, restarts,
              qPrintable(form.statusBar()->currentMessage()));
  return rate;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const double empty = emptyTimerRate();
  const double window = windowStepRate();
  std::printf("empty 1 ms precise timer: %.1f ticks/s\n", empty);
  std::printf("window GO, 131 cells, ordinary view: %.1f steps/s\n", window);
  std::printf("ratio: %.1f%% (target >= 95%%)\n", 100.0 * window / empty);
  return 0;
}
