// The backing store: sprites must paint exactly what the painter would,
// every shape is clipped to the image, and the diagram lands where the
// core puts it.
#include <QPainter>
#include <limits>

#include "form_fixture.h"

namespace {

using quorvan::Box;
using quorvan::Rgb;

constexpr QRgb kFace = qRgb(240, 240, 240);

int countNot(const QImage& img, QRgb colour) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) != colour;
  return n;
}

// The same shape painted straight onto an image, as a reference.
QImage painted(QSize size, const Box& b, QColor colour, bool ring, int pen) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(kFace);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  const double w = double(b.right - b.left), h = double(b.bottom - b.top);
  if (ring && w > pen && h > pen) {
    QPen qpen(colour);
    qpen.setWidth(pen);
    p.setPen(qpen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(b.left + pen / 2.0, b.top + pen / 2.0, w - pen, h - pen));
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(double(b.left), double(b.top), w, h));
  }
  return img;
}

struct ShapeCase {
  Box box;
  bool ring;
  int pen;
};

TEST(ImageCanvas, SpritesMatchDirectPaintingAndClip) {
  const ShapeCase cases[] =
      {
          {{10, 10, 40, 40}, true, 2},     {{10, 10, 40, 40}, false, 1},
          {{5, 7, 27, 35}, true, 4},       {{0, 0, 7, 7}, false, 1},
          {{3, 3, 10, 10}, true, 4},       {{3, 3, 6, 6}, true, 4},
          {{-12, -9, 18, 21}, true, 4},    {{1015, 790, 1045, 820}, false, 1},
          {{1010, -5, 1040, 25}, true, 2}, {{100, 100, 101, 101}, false, 1},
          {{200, 100, 800, 700}, true, 4},  // beyond the sprite size: painted directly
      };
  for (const ShapeCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.box.left << "," << c.box.top << " " << c.box.right << ","
                                    << c.box.bottom << (c.ring ? " ring " : " disc ") << c.pen);
    ImageCanvas canvas(QSize(1032, 800));
    const QSize size = canvas.image().size();
    if (c.ring)
      canvas.ring(c.box, quorvan::kRed, c.pen);
    else
      canvas.disc(c.box, quorvan::kRed);
    const QImage expected = painted(size, c.box, QColor(255, 0, 0), c.ring, c.pen);
    EXPECT_EQ(canvas.image(), expected);
    if (c.box.right - c.box.left > 1) {
      EXPECT_GT(countNot(canvas.image(), kFace), 0);
    }
  }
}

TEST(ImageCanvas, NothingOutsideTheImageOrOfNoSize) {
  ImageCanvas canvas(QSize(1032, 800));
  const QImage blank = canvas.image().copy();
  const std::int64_t big = std::numeric_limits<std::int64_t>::max();
  const std::int64_t small = std::numeric_limits<std::int64_t>::min();
  const Box boxes[] = {
      {10, 10, 10, 40},
      {10, 40, 40, 10},
      {50, 50, -50, -50},
      {-100, -100, -1, -1},
      {5000, 10, 5100, 40},
      {10, 100000, 40, 100030},
      {big - 5, big - 5, big, big},
      {small, 0, small + 10, 10},
  };
  for (const Box& b : boxes) {
    SCOPED_TRACE(testing::Message() << b.left << "," << b.top << " " << b.right << "," << b.bottom);
    canvas.fillRect(b, quorvan::kBlue);
    canvas.disc(b, quorvan::kBlue);
    canvas.ring(b, quorvan::kBlue, 4);
    EXPECT_EQ(canvas.image(), blank);
  }
  canvas.ring({-50000, -50000, 50000, 50000}, quorvan::kBlue, 4);  // its pen lies far outside
  EXPECT_EQ(canvas.image(), blank);
  canvas.pixel(-1, 0, quorvan::kBlue);
  canvas.pixel(0, 800 * 4, quorvan::kBlue);
  canvas.pixel(small, big, quorvan::kBlue);
  canvas.line(-100000, -5, -100000, 900000, quorvan::kBlue, 3);
  canvas.line(small, small, small + 1, big, quorvan::kBlue, 3);
  EXPECT_EQ(canvas.image(), blank);
}

TEST(ImageCanvas, HugeShapesCoverWhatTheyShould) {
  ImageCanvas canvas(QSize(1032, 800));
  const QSize size = canvas.image().size();
  // A disc far larger than the image covers all of it.
  canvas.disc({-1000000, -1000000, 1000000 + size.width(), 1000000 + size.height()}, quorvan::kGreen);
  EXPECT_EQ(countNot(canvas.image(), qRgb(0, 128, 0)), 0);
  const std::int64_t big = std::numeric_limits<std::int64_t>::max();
  const std::int64_t small = std::numeric_limits<std::int64_t>::min();
  canvas.fillRect({small, small, big, big}, quorvan::kBlue);
  EXPECT_EQ(countNot(canvas.image(), qRgb(0, 0, 255)), 0);
  // A 100000-pixel ring whose left edge crosses the image at mid-height.
  canvas.clear();
  canvas.ring({100, 400 - 50000, 100 + 100000, 400 + 50000}, quorvan::kBlack, 4);
  const QImage& img = canvas.image();
  EXPECT_EQ(img.pixel(101, 400), qRgb(0, 0, 0));
  EXPECT_EQ(img.pixel(99, 400), kFace);
  EXPECT_EQ(img.pixel(110, 400), kFace);
  // A line across the image from far outside it.
  canvas.clear();
  canvas.line(-1000000, 10, 1000000, 10, quorvan::kRed, 1);
  EXPECT_EQ(canvas.image().pixel(0, 10), qRgb(255, 0, 0));
  EXPECT_EQ(canvas.image().pixel(1031, 10), qRgb(255, 0, 0));
  EXPECT_EQ(canvas.image().pixel(500, 12), kFace);
}

TEST(ImageCanvas, FillPixelAndDirtyRegion) {
  ImageCanvas canvas(QSize(1032, 800));
  canvas.takeDirty();
  canvas.fillRect({30, 60, 60, 90}, quorvan::kRed);
  EXPECT_EQ(canvas.image().pixel(30, 60), qRgb(255, 0, 0));
  EXPECT_EQ(canvas.image().pixel(59, 89), qRgb(255, 0, 0));
  EXPECT_EQ(canvas.image().pixel(60, 89), kFace);
  EXPECT_EQ(canvas.image().pixel(59, 90), kFace);
  canvas.pixel(2, 3, quorvan::kBlue);
  EXPECT_EQ(canvas.image().pixel(2, 3), qRgb(0, 0, 255));
  EXPECT_EQ(canvas.takeDirty(), QRect(QPoint(2, 3), QPoint(59, 89)));
  EXPECT_TRUE(canvas.takeDirty().isEmpty());
  canvas.fillRect({-10, -10, 5, 5}, quorvan::kRed);
  EXPECT_EQ(canvas.takeDirty(), QRect(0, 0, 5, 5));
}

// --- the diagram in the window -------------------------------------------

QRgb directColour(int state) {
  switch (state) {
    case 0: return qRgb(255, 0, 0);
    case 1: return qRgb(0, 0, 255);
    default: return kFace;
  }
}

// Checks cell q of row t against the states drawn there; a dual state of
// -1 checks the direct square only.
void expectCell(const QImage& img, int q, int t, int direct, int dual) {
  SCOPED_TRACE(testing::Message() << "cell " << q << " step " << t);
  const int x = 30 * q, y = 30 * t;
  const QRgb fill = directColour(direct);
  // The corners belong to the direct cell's square, and only to it.
  EXPECT_EQ(img.pixel(x, y), fill);
  EXPECT_EQ(img.pixel(x + 29, y + 29), fill);
  // The dual cell: a disc for C covers the centre, a ring for B its rim.
  if (dual < 0) return;
  const QRgb black = qRgb(0, 0, 0);
  EXPECT_EQ(img.pixel(x + 15, y + 15), dual == 0 ? black : fill);
  EXPECT_EQ(img.pixel(x + 15, y + 2), dual == 2 ? fill : black);
}

TEST_F(FormTest, OrdinaryViewDrawsCellQOfStepTAtThirtyPixelSquares) {
  box("CheckBox33")->click();  // "Ordinary"
  ASSERT_TRUE(form_->lab().checked(quorvan::Ctl::CheckBox33));
  button("Button58")->click();   // "Random": row 0
  button("Button140")->click();  // keep the timer from stepping on its own
  const auto& lattice = form_->lab().lattice;
  const int length = lattice.lineLength;
  ASSERT_EQ(length, 11);
  QImage img = form_->canvas().image().copy();
  for (int q = 0; q < length; ++q) expectCell(img, q, 0, lattice.initialLine[q], lattice.dualLine[q]);
  // Nothing right of the line nor below row 0 yet.
  EXPECT_EQ(img.pixel(30 * length, 15), kFace);
  EXPECT_EQ(img.pixel(15, 45), kFace);

  button("Button1")->click();  // "One st.": row 1
  ASSERT_EQ(lattice.stepCount, 1);
  EXPECT_EQ(statusText(), "1");
  img = form_->canvas().image().copy();
  for (int q = 0; q < length; ++q) {
    expectCell(img, q, 0, lattice.initialLine[q], -1);  // earlier rows stay
    expectCell(img, q, 1, lattice.directLine[q], lattice.dualLine[q]);
  }
}

TEST_F(FormTest, CoveredWindowRepaintsFromTheBackingStore) {
  box("CheckBox33")->click();
  button("Button58")->click();
  button("Button140")->click();
  const QImage drawn = form_->canvas().image().copy(0, 0, 330, 30);
  // What the surface shows where no group lies over it (row 0 lies below
  // "D Work" only for x < 72).
  const QImage shown =
      form_->surface()->grab(QRect(0, 0, 60, 30)).toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown, drawn.copy(0, 0, 60, 30));
}

}  // namespace
