#include "tables/store.h"

#include <algorithm>

namespace quorvan {
namespace {

std::int32_t clampColumns(std::int32_t n) { return std::clamp<std::int32_t>(n, 0, TableColumns); }
std::int32_t clampRows(std::int32_t n) { return std::clamp<std::int32_t>(n, 0, TableRows); }

}  // namespace

void resetTable(ResolutionTable& table, std::int32_t columnCount) {
  table.columnCount = clampColumns(columnCount);
  table.rowCount = 0;
}

void appendRow(ResolutionTable& table, const PointValue* values, int count) {
  const std::int32_t at = clampRows(table.rowCount);
  if (at >= TableRows) return;
  count = std::clamp(count, 0, TableColumns);
  std::copy(values, values + count, table.rows[at].begin());
  table.rowCount = at + 1;
}

std::int32_t findRow(const ResolutionTable& table, const TableRow& probe) {
  const int columns = clampColumns(table.columnCount);
  const int rows = clampRows(table.rowCount);
  for (int i = 0; i < rows; ++i) {
    if (std::equal(probe.begin(), probe.begin() + columns, table.rows[i].begin())) return i;
  }
  return -1;
}

void transformRow(TableStore& store, int kind) {
  if (kind < 1 || kind > 5) return;
  const int columns = clampColumns(store.table1.columnCount);
  for (int i = 0; i < columns; ++i) {
    const PointValue v = store.sourceRow[i];
    if (v <= 5) store.probeRow[i] = kSymmetry[kind][v];
  }
}

void encodeTableFile(const AnalysisGeometry& geometry, const ResolutionTable& table,
                     std::array<unsigned char, TableFileBytes>& image) {
  putInt32(image.data(), geometry.pointCount);
  for (int k = 0; k < TableOffsets; ++k) putInt32(image.data() + 4 + 4 * k, geometry.pointOffsets[k]);
  putInt32(image.data() + 36, table.columnCount);
  putInt32(image.data() + 40, table.rowCount);
  for (std::size_t b = 0; b < TableFileRowBytes; ++b)
    image[TableFileHeaderBytes + b] = table.rows[b / TableColumns][b % TableColumns];
}

void loadTable(const FileAccess& files, std::string_view path, std::int32_t& pointCount,
               ResolutionTable& table, bool clearMarks) {
  std::array<unsigned char, TableFileBytes> image;
  std::size_t got = 0;
  {
    FileAccess::File f;
    if (files.openExisting(path, f)) got = f.read(image.data(), image.size());
  }
  // Field by field, as far as the file reaches.
  auto field = [&](std::size_t at, std::int32_t& into) {
    if (got >= at + 4) into = getInt32(image.data() + at);
  };
  field(0, pointCount);
  for (int k = 0; k < TableOffsets; ++k) field(4 + 4 * k, table.offsets[k]);
  field(36, table.columnCount);
  field(40, table.rowCount);
  // Whatever a header says, the table stays inside its arrays.
  table.columnCount = clampColumns(table.columnCount);
  table.rowCount = clampRows(table.rowCount);
  if (clearMarks) std::fill(table.rowMarks.begin(), table.rowMarks.begin() + table.rowCount, -1);
  const std::size_t rowBytes = got > TableFileHeaderBytes ? got - TableFileHeaderBytes : 0;
  for (std::size_t b = 0; b < rowBytes; ++b)
    table.rows[b / TableColumns][b % TableColumns] = image[TableFileHeaderBytes + b];
}

void saveTable(const FileAccess& files, std::string_view path, const AnalysisGeometry& geometry,
               const ResolutionTable& table) {
  FileAccess::File f;
  if (!files.openExisting(path, f)) return;
  std::array<unsigned char, TableFileBytes> image;
  encodeTableFile(geometry, table, image);
  f.write(image.data(), image.size());
}

}  // namespace quorvan
