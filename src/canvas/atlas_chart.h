#pragma once
// The atlas drawn as the reference chart of the "Main Table" window: a
// 1000 x 920 picture of 256 colours, columns by the left mask code and rows
// by the right one (the odd codes 1 to 39), each cell of the upper-right
// triangle black (an ambiguity arose) or grey (none arose) with its number,
// and a legend box in the empty lower-left triangle.
#include <QImage>
#include <string>
#include <vector>

#include "lab/atlas.h"

namespace quorvan {

inline constexpr int kAtlasChartWidth = 1000;
inline constexpr int kAtlasChartHeight = 920;

// Needs a QGuiApplication for its text.
QImage drawAtlasChart(const std::vector<AtlasCell>& cells, int trials);

// Writes the chart as an 8-bit BMP; false with a reason when it cannot.
bool writeAtlasChart(const QImage& chart, const std::string& path, std::string& error);

}  // namespace quorvan
