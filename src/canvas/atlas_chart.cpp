#include "canvas/atlas_chart.h"

#include <QFont>
#include <QImageWriter>
#include <QPainter>

namespace quorvan {
namespace {

constexpr int kCodes = (kAtlasMaxCode + 1) / 2;  // 1, 3, ..., 39
constexpr int kLeft = 70, kTop = 64;             // the grid's corner
constexpr int kCellW = 46, kCellH = 42;

const QColor kBlack(0, 0, 0), kGrey(160, 160, 160), kWhite(255, 255, 255), kFace(240, 240, 240);

QRect cellRect(int column, int row) { return QRect(kLeft + column * kCellW, kTop + row * kCellH, kCellW, kCellH); }

}  // namespace

QImage drawAtlasChart(const std::vector<AtlasCell>& cells, int trials) {
  QImage image(kAtlasChartWidth, kAtlasChartHeight, QImage::Format_RGB32);
  image.fill(kWhite);
  QPainter p(&image);
  QFont font("DejaVu Sans");
  font.setPixelSize(13);
  p.setFont(font);
  p.setPen(kBlack);

  p.drawText(QRect(kLeft, 8, kCodes * kCellW, 20), Qt::AlignCenter, "left mask code");
  for (int c = 0; c < kCodes; ++c)
    p.drawText(QRect(kLeft + c * kCellW, 36, kCellW, 24), Qt::AlignCenter, QString::number(2 * c + 1));
  for (int r = 0; r < kCodes; ++r)
    p.drawText(QRect(24, kTop + r * kCellH, kLeft - 30, kCellH), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(2 * r + 1));
  p.save();
  p.translate(14, kTop + kCodes * kCellH / 2);
  p.rotate(-90);
  p.drawText(QRect(-150, -10, 300, 20), Qt::AlignCenter, "right mask code");
  p.restore();

  QFont small = font;
  small.setPixelSize(11);
  p.setFont(small);
  for (const AtlasCell& cell : cells) {
    const int column = (cell.left - 1) / 2, row = (cell.right - 1) / 2;
    if (column < 0 || column >= kCodes || row < 0 || row >= kCodes) continue;
    const QRect box = cellRect(column, row);
    if (cell.outside) {
      p.fillRect(box, kFace);
      p.setPen(kBlack);
      p.drawText(box, Qt::AlignCenter, QString("N%1").arg(cell.pointCount));
    } else if (cell.ambiguous) {
      p.fillRect(box, kBlack);
      p.setPen(kWhite);
      p.drawText(box, Qt::AlignCenter, QString("%1\n%2").arg(cell.firstAmbiguousTrial).arg(cell.table1Rows));
    } else {
      p.fillRect(box, kGrey);
      p.setPen(kBlack);
      p.drawText(box, Qt::AlignCenter, QString("%1\n%2").arg(cell.pointCount).arg(cell.table1Rows));
    }
    p.setPen(kWhite);
    p.drawRect(box.adjusted(0, 0, -1, -1));
  }

  // The legend lies in the empty lower-left triangle.
  p.setFont(font);
  const QRect legend(kLeft + 10, kTop + 12 * kCellH, 470, 7 * kCellH + 10);
  p.setPen(kBlack);
  p.setBrush(kWhite);
  p.drawRect(legend);
  const QRect black(legend.left() + 14, legend.top() + 14, kCellW, kCellH);
  const QRect grey(legend.left() + 14, legend.top() + 28 + kCellH, kCellW, kCellH);
  const QRect face(legend.left() + 14, legend.top() + 42 + 2 * kCellH, kCellW, kCellH);
  p.fillRect(black, kBlack);
  p.fillRect(grey, kGrey);
  p.fillRect(face, kFace);
  const int textLeft = black.right() + 14, textWidth = legend.right() - textLeft - 8;
  p.drawText(QRect(textLeft, black.top(), textWidth, kCellH), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
             "incorrect: an ambiguity arose; first the trial that found it, then the rows of table 1");
  p.drawText(QRect(textLeft, grey.top(), textWidth, kCellH), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
             QString("correct: no ambiguity in %1 trials; first N, then the rows of table 1").arg(trials));
  p.drawText(QRect(textLeft, face.top(), textWidth, kCellH), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
             "outside the analysis: the mask gives more than nine points");
  p.drawText(QRect(legend.left() + 14, face.bottom() + 10, legend.width() - 28, 3 * kCellH),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             "Bit d-1 of a code is the mask box of distance d. Each cell is the automatic test from start-up "
             "with that mask, \">>\" order and the default parameters (quorvan-lab atlas).");
  p.end();
  // 256 colours: the greys the chart is drawn in, each kept exactly.
  QList<QRgb> greys;
  for (int g = 0; g < 256; ++g) greys.push_back(qRgb(g, g, g));
  return image.convertToFormat(QImage::Format_Indexed8, greys, Qt::ThresholdDither);
}

bool writeAtlasChart(const QImage& chart, const std::string& path, std::string& error) {
  QImageWriter writer(QString::fromStdString(path), "bmp");
  if (writer.write(chart)) return true;
  error = writer.errorString().toStdString();
  return false;
}

}  // namespace quorvan
