#include "tables/panel_text.h"

#include <algorithm>

namespace quorvan {

void appendPointValue(std::string& out, PointValue v) {
  if (v <= 2) {
    out.append("  ");
    out.push_back(static_cast<char>('0' + v));
  } else if (v <= 5) {
    out.append(" -");
    out.push_back(static_cast<char>('0' + (v - 3)));
  } else {
    out.append(" -");
    out.append(std::to_string(v - 3));
  }
}

void appendRowText(std::string& out, const PointValue* values, int count, std::string_view firstGap,
                   std::int32_t mark, std::string_view markGap) {
  for (int j = 0; j < count; ++j) {
    appendPointValue(out, values[j]);
    if (j == 0) out.append(firstGap);
  }
  if (mark >= 0) {
    out.append(markGap);
    out.append(std::to_string(mark));
  }
}

std::int32_t tableText(const ResolutionTable& table, std::string_view firstGap, std::string_view markGap,
                       std::string& out) {
  out.clear();
  const int columns = std::clamp<std::int32_t>(table.columnCount, 0, TableColumns);
  const int rows = std::clamp<std::int32_t>(table.rowCount, 0, TableRows);
  out.reserve(static_cast<std::size_t>(rows) * (3 * columns + 12));
  for (int i = 0; i < rows; ++i) {
    if (i > 0) out.push_back('\n');
    appendRowText(out, table.rows[i].data(), columns, firstGap, table.rowMarks[i], markGap);
  }
  return rows;
}

}  // namespace quorvan
