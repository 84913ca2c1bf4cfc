#include "canvas/image_canvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {

QRgb toQRgb(quorvan::Rgb c) { return qRgb(c.r, c.g, c.b); }
QColor toQColor(quorvan::Rgb c) { return QColor(c.r, c.g, c.b); }

// Width or height of a box, or -1 when it is empty or too wide to represent.
std::int64_t extent(std::int64_t lo, std::int64_t hi) {
  std::int64_t d = 0;
  if (__builtin_sub_overflow(hi, lo, &d) || d <= 0) return -1;
  return d;
}

int clampPen(int penWidth) { return std::clamp(penWidth, 1, 1024); }

// The ellipse a shape is stroked or filled on, for a box of w x h at (x, y).
// A ring keeps its whole pen inside the box, so neighbouring cells never
// bleed into each other; a pen too wide for the box leaves a disc.
void paintShape(QPainter& p, double x, double y, double w, double h, QColor colour, bool ring, int penWidth) {
  p.setRenderHint(QPainter::Antialiasing, false);
  if (ring && w > penWidth && h > penWidth) {
    QPen pen(colour);
    pen.setWidth(penWidth);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double half = penWidth / 2.0;
    p.drawEllipse(QRectF(x + half, y + half, w - penWidth, h - penWidth));
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(x, y, w, h));
  }
}

}  // namespace

ImageCanvas::ImageCanvas(QSize minimum) {
  QSize size = minimum.expandedTo(QSize(1, 1));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) size = size.expandedTo(screen->size());
  image_ = QImage(size, QImage::Format_RGB32);
  clear();
}

void ImageCanvas::clear() {
  image_.fill(toQRgb(quorvan::kButtonFace));
  markDirty(image_.rect());
}

QRect ImageCanvas::takeDirty() {
  const QRect r = dirty_;
  dirty_ = QRect();
  return r;
}

bool ImageCanvas::clip(const quorvan::Box& box, QRect& out) const {
  const std::int64_t l = std::max<std::int64_t>(box.left, 0);
  const std::int64_t t = std::max<std::int64_t>(box.top, 0);
  const std::int64_t r = std::min<std::int64_t>(box.right, image_.width());
  const std::int64_t b = std::min<std::int64_t>(box.bottom, image_.height());
  if (l >= r || t >= b) return false;
  out = QRect(QPoint(int(l), int(t)), QPoint(int(r - 1), int(b - 1)));
  return true;
}

void ImageCanvas::fillRect(const quorvan::Box& box, quorvan::Rgb colour) {
  QRect r;
  if (!clip(box, r)) return;
  const QRgb value = toQRgb(colour);
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  for (int y = r.top(); y <= r.bottom(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
    std::fill(row + r.left(), row + r.right() + 1, value);
  }
  markDirty(r);
}

void ImageCanvas::disc(const quorvan::Box& box, quorvan::Rgb colour) { shape(box, colour, Shape::Disc, 1); }

void ImageCanvas::ring(const quorvan::Box& box, quorvan::Rgb colour, int penWidth) {
  shape(box, colour, Shape::Ring, clampPen(penWidth));
}

void ImageCanvas::shape(const quorvan::Box& box, quorvan::Rgb colour, Shape kind, int penWidth) {
  const std::int64_t w = extent(box.left, box.right);
  const std::int64_t h = extent(box.top, box.bottom);
  if (w <= 0 || h <= 0) return;
  QRect visible;
  if (!clip(box, visible)) return;
  if (w > kMaxSpriteSide || h > kMaxSpriteSide) {
    if (w <= kMaxPainterSide && h <= kMaxPainterSide)
      paintDirect(box, colour, kind, penWidth);
    else
      scanConvert(box, colour, kind, penWidth);
    markDirty(visible);
    return;
  }
  const Sprite& s = sprite(int(w), int(h), kind, penWidth);
  const QRgb value = toQRgb(colour);
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  const std::int64_t width = image_.width();
  for (const Span& span : s.spans) {
    const std::int64_t y = box.top + span.y;
    if (y < visible.top()) continue;
    if (y > visible.bottom()) break;
    const std::int64_t x0 = std::max<std::int64_t>(box.left + span.x0, 0);
    const std::int64_t x1 = std::min<std::int64_t>(box.left + span.x1, width);
    if (x0 >= x1) continue;
    auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
    std::fill(row + x0, row + x1, value);
  }
  markDirty(visible);
}

const ImageCanvas::Sprite& ImageCanvas::sprite(int w, int h, Shape kind, int penWidth) {
  const std::uint64_t key = std::uint64_t(w) | (std::uint64_t(h) << 16) |
                            (std::uint64_t(kind == Shape::Ring ? penWidth : 0) << 32) |
                            (std::uint64_t(kind) << 48);
  auto it = sprites_.find(key);
  if (it != sprites_.end()) return it->second;
  // A user can walk through many cell sizes; keep the cache bounded.
  if (sprites_.size() >= 4096) sprites_.clear();

  QImage mask(w, h, QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  {
    QPainter p(&mask);
    paintShape(p, 0, 0, w, h, Qt::black, kind == Shape::Ring, penWidth);
  }
  Sprite s;
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    int x = 0;
    while (x < w) {
      while (x < w && qAlpha(row[x]) == 0) ++x;
      const int start = x;
      while (x < w && qAlpha(row[x]) != 0) ++x;
      if (x > start) s.spans.push_back({std::int16_t(y), std::int16_t(start), std::int16_t(x)});
    }
  }
  return sprites_.emplace(key, std::move(s)).first->second;
}

void ImageCanvas::paintDirect(const quorvan::Box& box, quorvan::Rgb colour, Shape kind, int penWidth) {
  QPainter p(&image_);
  p.setClipRect(image_.rect());
  paintShape(p, double(box.left), double(box.top), double(box.right - box.left), double(box.bottom - box.top),
             toQColor(colour), kind == Shape::Ring, penWidth);
}

void ImageCanvas::hspan(std::int64_t y, std::int64_t x0, std::int64_t x1, QRgb value) {
  x0 = std::max<std::int64_t>(x0, 0);
  x1 = std::min<std::int64_t>(x1, image_.width());
  if (x0 >= x1 || y < 0 || y >= image_.height()) return;
  auto* row = reinterpret_cast<QRgb*>(image_.scanLine(int(y)));
  std::fill(row + x0, row + x1, value);
}

// Shapes far larger than the image: only the rows and columns that fall on
// the image are computed, from the ellipse equation at each pixel centre.
void ImageCanvas::scanConvert(const quorvan::Box& box, quorvan::Rgb colour, Shape kind, int penWidth) {
  const long double left = box.left, top = box.top;
  const long double a = ((long double)box.right - left) / 2, b = ((long double)box.bottom - top) / 2;
  const long double cx = left + a, cy = top + b;
  const bool ring = kind == Shape::Ring && a * 2 > penWidth && b * 2 > penWidth;
  const long double ia = a - penWidth, ib = b - penWidth;
  const QRgb value = toQRgb(colour);
  const std::int64_t y0 = std::max<std::int64_t>(box.top, 0);
  const std::int64_t y1 = std::min<std::int64_t>(box.bottom, image_.height());
  auto halfWidth = [](long double radiusX, long double radiusY, long double dy) -> long double {
    const long double t = dy / radiusY;
    return t >= 1 ? -1 : radiusX * std::sqrt(1 - t * t);
  };
  auto clampX = [](long double x) -> std::int64_t {
    return std::int64_t(std::clamp<long double>(x, -1e15L, 1e15L));
  };
  for (std::int64_t y = y0; y < y1; ++y) {
    const long double dy = std::fabs(y + 0.5L - cy);
    const long double outer = halfWidth(a, b, dy);
    if (outer < 0) continue;
    const std::int64_t o0 = clampX(std::ceil(cx - outer - 0.5L));
    const std::int64_t o1 = clampX(std::floor(cx + outer - 0.5L)) + 1;
    const long double inner = ring && ia > 0 && ib > 0 ? halfWidth(ia, ib, dy) : -1;
    if (!ring || inner < 0) {
      hspan(y, o0, o1, value);
      continue;
    }
    const std::int64_t i0 = clampX(std::ceil(cx - inner - 0.5L));
    const std::int64_t i1 = clampX(std::floor(cx + inner - 0.5L)) + 1;
    hspan(y, o0, i0, value);
    hspan(y, i1, o1, value);
  }
}

void ImageCanvas::line(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                       quorvan::Rgb colour, int penWidth) {
  penWidth = clampPen(penWidth);
  // Clip the segment (Liang-Barsky) to the image grown by the pen, so the
  // painter only ever sees coordinates near the image.
  const double margin = penWidth + 1;
  const double minX = -margin, minY = -margin;
  const double maxX = image_.width() + margin, maxY = image_.height() + margin;
  double ax = double(x0), ay = double(y0), dx = double(x1) - ax, dy = double(y1) - ay;
  double t0 = 0, t1 = 1;
  auto edge = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double r = q / p;
    if (p < 0) {
      if (r > t1) return false;
      t0 = std::max(t0, r);
    } else {
      if (r < t0) return false;
      t1 = std::min(t1, r);
    }
    return true;
  };
  if (!edge(-dx, ax - minX) || !edge(dx, maxX - ax) || !edge(-dy, ay - minY) || !edge(dy, maxY - ay)) return;
  const QPointF p0(ax + t0 * dx, ay + t0 * dy), p1(ax + t1 * dx, ay + t1 * dy);
  QPainter p(&image_);
  p.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(toQColor(colour));
  pen.setWidth(penWidth);
  pen.setCapStyle(Qt::FlatCap);
  p.setPen(pen);
  p.drawLine(p0, p1);
  const QRect bounds =
      QRectF(p0, p1).normalized().toAlignedRect().adjusted(-penWidth, -penWidth, penWidth, penWidth);
  markDirty(bounds & image_.rect());
}

void ImageCanvas::pixel(std::int64_t x, std::int64_t y, quorvan::Rgb colour) {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
  reinterpret_cast<QRgb*>(image_.scanLine(int(y)))[x] = toQRgb(colour);
  markDirty(QRect(int(x), int(y), 1, 1));
}
