#pragma once
#include <array>
#include <cstdint>

#include "values.h"

namespace quorvan {

inline constexpr int TableRows = 1000;
inline constexpr int TableColumns = 9;
inline constexpr int TableOffsets = 8;

using TableRow = std::array<PointValue, TableColumns>;

struct ResolutionTable {
  std::int32_t columnCount = 0;  // kept in 0..9
  std::int32_t rowCount = 0;     // kept in 0..1000
  std::array<TableRow, TableRows> rows{};
  std::array<std::int32_t, TableRows> rowMarks{};
  std::array<std::int32_t, TableOffsets> offsets{};  // tables 1 and 2 only
};

struct TableStore {
  ResolutionTable table1, table2, tableU;
  TableRow sourceRow{};
  TableRow probeRow{};
};

}  // namespace quorvan
