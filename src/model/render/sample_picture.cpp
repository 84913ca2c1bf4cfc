#include "render/sample_picture.h"

#include <algorithm>
#include <memory>

#include "engine/step.h"
#include "files/file_access.h"
#include "render/drawing_pass.h"

namespace quorvan {
namespace {

constexpr int kSide = SamplePictureSide;
constexpr int kCell = 4;                  // pixels per cell side
constexpr int kCells = kSide / kCell;     // 128 cells, within MaxLength
constexpr std::size_t kHeader = 14 + 40;  // file header and info header

// Rectangles into the pixels of the file, top row first; other shapes are
// not needed by the ordinary view of the direct line.
class PixelCanvas final : public Canvas {
 public:
  explicit PixelCanvas(std::vector<Rgb>& pixels) : pixels_(pixels) {}
  void fillRect(const Box& b, Rgb colour) override {
    const std::int64_t x0 = std::max<std::int64_t>(b.left, 0), x1 = std::min<std::int64_t>(b.right, kSide);
    const std::int64_t y0 = std::max<std::int64_t>(b.top, 0), y1 = std::min<std::int64_t>(b.bottom, kSide);
    for (std::int64_t y = y0; y < y1; ++y)
      for (std::int64_t x = x0; x < x1; ++x) pixels_[static_cast<std::size_t>(y * kSide + x)] = colour;
  }
  void disc(const Box&, Rgb) override {}
  void ring(const Box&, Rgb, int) override {}
  void line(std::int64_t, std::int64_t, std::int64_t, std::int64_t, Rgb, int) override {}
  void pixel(std::int64_t, std::int64_t, Rgb) override {}

 private:
  std::vector<Rgb>& pixels_;
};

void putUint16(unsigned char* at, std::uint32_t v) {
  at[0] = static_cast<unsigned char>(v);
  at[1] = static_cast<unsigned char>(v >> 8);
}

}  // namespace

std::vector<unsigned char> samplePicture() {
  // One B cell in the middle of an all-A line of 128 cells under the start-up
  // mask (left 1, left 2, right 1) on a circle: the seed opens into the
  // fan of trails a researcher sees first, and by step 33 they wrap round.
  auto s = std::make_unique<LatticeState>();
  s->lineLength = s->squareRows = s->squareCols = kCells;
  s->borderMode = Circle;
  s->mask.left[0] = s->mask.left[1] = s->mask.right[0] = true;
  std::fill_n(s->directLine.begin(), kCells, A);
  s->directLine[kCells / 2] = B;

  std::vector<Rgb> pixels(static_cast<std::size_t>(kSide) * kSide, kButtonFace);
  PixelCanvas canvas(pixels);
  DrawSwitches sw;
  sw.ordinary = true;
  sw.directOrdinary = true;
  DrawingGeometry g;
  g.cellWidth = g.cellHeight = kCell;
  g.originX = 0;
  for (int t = 0; t < kSide / kCell; ++t) {
    drawCells(*s, sw, g, PassLines{true, false}, canvas);
    stepLattice(*s);
  }

  const std::size_t pixelBytes = pixels.size() * 3;
  std::vector<unsigned char> file(kHeader + pixelBytes, 0);
  unsigned char* h = file.data();
  h[0] = 'B';
  h[1] = 'M';
  putInt32(h + 2, static_cast<std::int32_t>(file.size()));
  putInt32(h + 10, static_cast<std::int32_t>(kHeader));
  putInt32(h + 14, 40);
  putInt32(h + 18, kSide);
  putInt32(h + 22, kSide);  // positive: the bottom row comes first
  putUint16(h + 26, 1);     // planes
  putUint16(h + 28, 24);    // bits per pixel
  putInt32(h + 34, static_cast<std::int32_t>(pixelBytes));
  putInt32(h + 38, 2835);  // 72 dots per inch
  putInt32(h + 42, 2835);
  // 512 pixels of 3 bytes fill a row to a multiple of four: no padding.
  unsigned char* out = file.data() + kHeader;
  for (int y = kSide - 1; y >= 0; --y) {
    for (int x = 0; x < kSide; ++x) {
      const Rgb c = pixels[static_cast<std::size_t>(y) * kSide + x];
      *out++ = c.b;
      *out++ = c.g;
      *out++ = c.r;
    }
  }
  return file;
}

}  // namespace quorvan
