// The window's own canvas code draws the headless pictures, so a picture
// and the window's diagram are the same pixels.
#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "canvas/image_canvas.h"
#include "cli/pictures.h"

namespace quorvan {
namespace {

// Every trial of the automatic test begins with the window clear, a fill of
// the whole diagram, and with "Not Draw" on draws nothing else: a fill of an
// area that already holds nothing but that colour is skipped, which keeps a
// script with pictures as fast as one without.
class ImagePictureCanvas final : public PictureCanvas, public Canvas {
 public:
  Canvas& canvas() override { return *this; }

  void fillRect(const Box& box, Rgb colour) override {
    const Box b = clipped(box);
    if (b.left >= b.right || b.top >= b.bottom) return;
    if (uniform_ && colour == uniformColour_ && b.left >= uniformArea_.left && b.top >= uniformArea_.top &&
        b.right <= uniformArea_.right && b.bottom <= uniformArea_.bottom)
      return;
    image_.fillRect(box, colour);
    uniform_ = true;
    uniformArea_ = b;
    uniformColour_ = colour;
  }
  void disc(const Box& box, Rgb colour) override {
    uniform_ = false;
    image_.disc(box, colour);
  }
  void ring(const Box& box, Rgb colour, int penWidth) override {
    uniform_ = false;
    image_.ring(box, colour, penWidth);
  }
  void line(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, Rgb colour,
            int penWidth) override {
    uniform_ = false;
    image_.line(x0, y0, x1, y1, colour, penWidth);
  }
  void pixel(std::int64_t x, std::int64_t y, Rgb colour) override {
    uniform_ = false;
    image_.pixel(x, y, colour);
  }

  bool writePng(const std::string& path, std::string& error) override {
    // Encode in memory and write the bytes ourselves: the path stays the
    // exact bytes the user gave, whatever their encoding.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image_.image())) {
      error = writer.errorString().toStdString();
      return false;
    }
    errno = 0;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(png.constData(), png.size());
    if (file) file.close();
    if (!file) {
      error = errno != 0 ? std::strerror(errno) : "write failed";
      return false;
    }
    return true;
  }

 private:
  Box clipped(const Box& b) const {
    return {std::max<std::int64_t>(b.left, 0), std::max<std::int64_t>(b.top, 0),
            std::min<std::int64_t>(b.right, image_.image().width()),
            std::min<std::int64_t>(b.bottom, image_.image().height())};
  }

  ImageCanvas image_;
  // An area known to hold `uniformColour_` only, while `uniform_`.
  bool uniform_ = false;
  Box uniformArea_;
  Rgb uniformColour_;
};

}  // namespace

std::unique_ptr<PictureCanvas> makePictureCanvas() { return std::make_unique<ImagePictureCanvas>(); }

}  // namespace quorvan
