#pragma once
// The window's drawing surface: a QImage backing store that the core draws
// on through the Canvas interface and the surface widget blits on paint.
//
// Rings and discs are the bulk of a drawing pass (two per cell per step), so
// each shape is rasterised once per (width, height, shape, pen width) into a
// list of horizontal spans and afterwards blitted straight into the image's
// scanlines. Every write is clipped to the image; nothing wraps.
#include <QImage>
#include <QRect>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "render/canvas.h"

class ImageCanvas final : public quorvan::Canvas {
 public:
  // The image is at least `minimum` and at least the primary screen's size.
  explicit ImageCanvas(QSize minimum = QSize(1032, 800));

  void fillRect(const quorvan::Box& box, quorvan::Rgb colour) override;
  void disc(const quorvan::Box& box, quorvan::Rgb colour) override;
  void ring(const quorvan::Box& box, quorvan::Rgb colour, int penWidth) override;
  void line(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, quorvan::Rgb colour,
            int penWidth) override;
  void pixel(std::int64_t x, std::int64_t y, quorvan::Rgb colour) override;

  // Fills the whole image with the button face, as at start.
  void clear();

  const QImage& image() const { return image_; }
  // The region written since the last call, in image coordinates.
  QRect takeDirty();
  std::size_t cachedSprites() const { return sprites_.size(); }

  // Largest box side still rendered through the sprite cache.
  static constexpr std::int64_t kMaxSpriteSide = 512;
  // Beyond this side QPainter's fixed-point rasteriser is no longer exact;
  // such shapes are scan-converted here, row by visible row.
  static constexpr std::int64_t kMaxPainterSide = 16384;

 private:
  struct Span {
    std::int16_t y, x0, x1;  // x1 outside
  };
  struct Sprite {
    std::vector<Span> spans;
  };
  enum class Shape : std::uint8_t { Disc, Ring };

  void shape(const quorvan::Box& box, quorvan::Rgb colour, Shape kind, int penWidth);
  const Sprite& sprite(int w, int h, Shape kind, int penWidth);
  void paintDirect(const quorvan::Box& box, quorvan::Rgb colour, Shape kind, int penWidth);
  void scanConvert(const quorvan::Box& box, quorvan::Rgb colour, Shape kind, int penWidth);
  void hspan(std::int64_t y, std::int64_t x0, std::int64_t x1, QRgb value);
  // Clips a box to the image; false when nothing is left.
  bool clip(const quorvan::Box& box, QRect& out) const;
  void markDirty(const QRect& r) { dirty_ |= r; }

  QImage image_;
  QRect dirty_;
  std::unordered_map<std::uint64_t, Sprite> sprites_;
};
