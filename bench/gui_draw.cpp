// One drawing pass of a 131-cell line on the window's backing store, against
// the same shapes painted by direct QPainter calls. Both the ordinary view
// (squares plus the dual line's rings and discs) and the feeding view with
// all six "m" boxes drawn, at 30 x 30 and 7 x 7 cells.
#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "canvas/image_canvas.h"
#include "lab/laboratory.h"
#include "median_ratio.h"

namespace {

using quorvan::Ctl;

// Every call goes straight to a painter held open for the whole run, the
// cheapest way QPainter itself offers.
class PainterCanvas final : public quorvan::Canvas {
 public:
  PainterCanvas() : image_(1032, 800, QImage::Format_RGB32), painter_(&image_) {
    image_.fill(QColor(240, 240, 240));
    painter_.setRenderHint(QPainter::Antialiasing, false);
  }
  void fillRect(const quorvan::Box& b, quorvan::Rgb c) override {
    painter_.fillRect(QRect(int(b.left), int(b.top), int(b.right - b.left), int(b.bottom - b.top)),
                      QColor(c.r, c.g, c.b));
  }
  void disc(const quorvan::Box& b, quorvan::Rgb c) override {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(c.r, c.g, c.b));
    painter_.drawEllipse(QRectF(b.left, b.top, b.right - b.left, b.bottom - b.top));
  }
  void ring(const quorvan::Box& b, quorvan::Rgb c, int pen) override {
    QPen p(QColor(c.r, c.g, c.b));
    p.setWidth(pen);
    painter_.setPen(p);
    painter_.setBrush(Qt::NoBrush);
    const double half = pen / 2.0;
    painter_.drawEllipse(QRectF(b.left + half, b.top + half, b.right - b.left - pen, b.bottom - b.top - pen));
  }
  void line(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, quorvan::Rgb c,
            int pen) override {
    QPen p(QColor(c.r, c.g, c.b));
    p.setWidth(pen);
    painter_.setPen(p);
    painter_.drawLine(QPointF(x0, y0), QPointF(x1, y1));
  }
  void pixel(std::int64_t x, std::int64_t y, quorvan::Rgb c) override {
    if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height())
      image_.setPixel(int(x), int(y), qRgb(c.r, c.g, c.b));
  }

 private:
  QImage image_;
  QPainter painter_;
};

// A laboratory holding a 131-cell random line a few steps into its run, in
// the view and cell size asked for.
struct Scene {
  QTemporaryDir dir;
  std::unique_ptr<quorvan::Laboratory> lab;

  Scene(bool ordinary, int cell) {
    quorvan::LabEnvironment env;
    env.workDir = dir.path().toStdString();
    lab = std::make_unique<quorvan::Laboratory>(std::move(env));
    lab->FormShow();
    lab->userType(Ctl::Edit1, "131");
    lab->userType(Ctl::Edit7, "20");
    lab->userType(Ctl::Edit49, std::to_string(cell));
    lab->userType(Ctl::Edit50, std::to_string(cell));
    lab->userToggle(Ctl::CheckBox33, true);
    lab->userClick(Ctl::Button58);  // "Random"
    lab->userClick(Ctl::Button140);
    for (int i = 0; i < 3; ++i) lab->userClick(Ctl::Button1);  // some C and B cells
    if (!ordinary) {
      lab->userToggle(Ctl::CheckBox33, false);
      lab->userToggle(Ctl::CheckBox43, false);  // "Not Draw" clear
      for (Ctl m : {Ctl::CheckBox1, Ctl::CheckBox2, Ctl::CheckBox29, Ctl::CheckBox30, Ctl::CheckBox31,
                    Ctl::CheckBox32})
        lab->userToggle(m, true);
    }
    // Keep every pass drawing: a finished line would be skipped.
    lab->lattice.directFinished = 0;
    lab->lattice.dualFinished = 0;
  }
};

void pass(benchmark::State& state, bool ordinary, bool sprites) {
  Scene scene(ordinary, int(state.range(0)));
  ImageCanvas imageCanvas(QSize(1032, 800));
  PainterCanvas painterCanvas;
  scene.lab->setCanvas(sprites ? static_cast<quorvan::Canvas*>(&imageCanvas) : &painterCanvas);
  for (auto _ : state) {
    scene.lab->Button3Click();
    scene.lab->lattice.directFinished = 0;
    scene.lab->lattice.dualFinished = 0;
    benchmark::ClobberMemory();
  }
  state.counters["cells"] = scene.lab->lattice.lineLength;
}

void BM_OrdinarySprites(benchmark::State& s) { pass(s, true, true); }
void BM_OrdinaryPainter(benchmark::State& s) { pass(s, true, false); }
void BM_FeedingSprites(benchmark::State& s) { pass(s, false, true); }
void BM_FeedingPainter(benchmark::State& s) { pass(s, false, false); }

BENCHMARK(BM_OrdinarySprites)->Arg(30)->Arg(7)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OrdinaryPainter)->Arg(30)->Arg(7)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FeedingSprites)->Arg(30)->Arg(7)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FeedingPainter)->Arg(30)->Arg(7)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const auto m = quorvan::bench::runWithMedians(argc, argv);
  for (const char* view : {"Ordinary", "Feeding"})
    for (const char* cell : {"30", "7"}) {
      const std::string label = std::string(view) + " pass, " + cell + " x " + cell + " cells";
      quorvan::bench::printRatio(m, std::string("BM_") + view + "Painter/" + cell,
                                 std::string("BM_") + view + "Sprites/" + cell, label.c_str());
    }
  return 0;
}
