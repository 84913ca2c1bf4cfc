// Draws the pictures the window embeds and writes them to data/pictures/.
//
//   cmake --build --preset release --target make_pictures &&
//   QT_QPA_PLATFORM=offscreen build/release/bin/make_pictures data/pictures
//
// image9.bmp: the table of the six value permutations (identity and the
// five kinds) as a two-colour bitmap: columns headed 0 1 2 0̄ 1̄ 2̄, row g
// holding the image of each column's value under permutation g.
// The other eight are the 20 x 20 legend marks of the "Results" group.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>

#include "values.h"  // the five kinds, row 0 the identity

namespace {


void drawValue(QPainter& p, const QRect& cell, int value) {
  const QString digit = QString::number(value % 3);
  p.drawText(cell, Qt::AlignCenter, digit);
  if (value >= 3) {
    const QFontMetrics m(p.font());
    const int w = m.horizontalAdvance(digit);
    const int top = cell.center().y() - m.ascent() / 2 - 8;
    p.fillRect(QRect(cell.center().x() - w / 2 - 2, top, w + 4, 4), Qt::black);
  }
}

bool tableOfClasses(const QString& path) {
  const int width = 500, height = 489, columns = 6, rows = 7;
  QImage img(width, height, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    QFont f("Sans");
    f.setPixelSize(38);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.setPen(QPen(Qt::black, 3));
    auto x = [&](int c) { return c * (width - 1) / columns; };
    auto y = [&](int r) { return r * (height - 1) / rows; };
    for (int c = 0; c <= columns; ++c) p.drawLine(x(c), 0, x(c), height - 1);
    for (int r = 0; r <= rows; ++r) p.drawLine(0, y(r), width - 1, y(r));
    p.drawLine(0, y(1) + 5, width - 1, y(1) + 5);  // the header's double rule
    for (int c = 0; c < columns; ++c) {
      drawValue(p, QRect(x(c), y(0), x(c + 1) - x(c), y(1) - y(0)), c);
      for (int r = 0; r < 6; ++r)
        drawValue(p, QRect(x(c), y(r + 1) + 5, x(c + 1) - x(c), y(r + 2) - y(r + 1) - 5),
                  quorvan::kSymmetry[r][c]);
    }
  }
  return img.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither).save(path, "BMP");
}

enum class Mark { Square, Disc, Ring, ArrowDown, Rising };

bool mark(const QString& path, Mark kind, QColor colour) {
  QImage img(20, 20, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    switch (kind) {
      case Mark::Square: p.fillRect(QRect(2, 2, 16, 16), colour); break;
      case Mark::Disc:
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QRectF(2, 2, 16, 16));
        break;
      case Mark::Ring:
        p.setPen(QPen(colour, 3));
        p.drawEllipse(QRectF(3.5, 3.5, 13, 13));
        break;
      case Mark::ArrowDown: {
        p.setPen(QPen(colour, 2));
        p.drawLine(QPointF(10, 2), QPointF(10, 16));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        const QPointF head[] = {{4, 11}, {16, 11}, {10, 19}};
        p.drawPolygon(head, 3);
        break;
      }
      case Mark::Rising:
        p.setPen(QPen(colour, 2));
        p.drawLine(QPointF(2, 18), QPointF(18, 18));
        p.drawLine(QPointF(2, 18), QPointF(2, 2));
        p.setPen(QPen(Qt::red, 2));
        p.drawPolyline(QPolygonF({{3, 16}, {8, 12}, {12, 13}, {17, 4}}));
        break;
    }
  }
  return img.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  bool ok = tableOfClasses(dir + "/image9.bmp");
  ok &= mark(dir + "/direct_c.png", Mark::Square, QColor(255, 0, 0));
  ok &= mark(dir + "/direct_b.png", Mark::Square, QColor(0, 0, 255));
  ok &= mark(dir + "/dual_c.png", Mark::Disc, Qt::black);
  ok &= mark(dir + "/dual_b.png", Mark::Ring, Qt::black);
  ok &= mark(dir + "/feed_a.png", Mark::Ring, QColor(255, 0, 0));
  ok &= mark(dir + "/feed_dual_a.png", Mark::Ring, QColor(0, 0, 255));
  ok &= mark(dir + "/time.png", Mark::ArrowDown, Qt::black);
  ok &= mark(dir + "/weight.png", Mark::Rising, Qt::black);
  if (!ok) std::fprintf(stderr, "could not write every picture into %s\n", qPrintable(dir));
  return ok ? 0 : 1;
}
