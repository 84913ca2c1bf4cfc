#pragma once
#include <vector>

#include "render/canvas.h"

namespace quorvan::testing {

// Remembers every shape it is asked to draw.
class RecordingCanvas : public Canvas {
 public:
  enum Shape { Fill, Disc, Ring, Stroke, Pixel };
  struct Call {
    Shape shape;
    Box box;
    Rgb colour;
    int penWidth;
  };
  void fillRect(const Box& b, Rgb c) override { calls.push_back({Fill, b, c, 0}); }
  void disc(const Box& b, Rgb c) override { calls.push_back({Disc, b, c, 0}); }
  void ring(const Box& b, Rgb c, int w) override { calls.push_back({Ring, b, c, w}); }
  void line(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, Rgb c, int w) override {
    calls.push_back({Stroke, Box{x0, y0, x1, y1}, c, w});
  }
  void pixel(std::int64_t x, std::int64_t y, Rgb c) override {
    calls.push_back({Pixel, Box{x, y, x + 1, y + 1}, c, 0});
  }
  std::vector<Call> calls;
};

}  // namespace quorvan::testing
