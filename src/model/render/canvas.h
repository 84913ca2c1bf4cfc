#pragma once
// The drawing surface as the core sees it. Coordinates are pixels of the
// main window's client area; boxes are (left, top, right, bottom) with the
// right and bottom edges outside the shape. A shape partly or wholly outside
// the surface is clipped by the canvas, never wrapped.
#include <cstdint>

namespace quorvan {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kGreen{0, 128, 0};
// The button-face colour, also the window's background.
inline constexpr Rgb kButtonFace{240, 240, 240};

struct Box {
  std::int64_t left = 0, top = 0, right = 0, bottom = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void fillRect(const Box& box, Rgb colour) = 0;
  virtual void disc(const Box& box, Rgb colour) = 0;
  virtual void ring(const Box& box, Rgb colour, int penWidth) = 0;
  virtual void line(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, Rgb colour,
                    int penWidth) = 0;
  virtual void pixel(std::int64_t x, std::int64_t y, Rgb colour) = 0;
};

// Draws nothing: the headless front end's surface.
class NullCanvas final : public Canvas {
 public:
  void fillRect(const Box&, Rgb) override {}
  void disc(const Box&, Rgb) override {}
  void ring(const Box&, Rgb, int) override {}
  void line(std::int64_t, std::int64_t, std::int64_t, std::int64_t, Rgb, int) override {}
  void pixel(std::int64_t, std::int64_t, Rgb) override {}
};

}  // namespace quorvan
