#include "tables/panel_text.h"

#include <algorithm>

#include "shell/laboratory.h"

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

namespace {

// Offsets 0..2 are always shown; offset k from 3 on only while the point
// count reaches past it.
void showOffsets(Laboratory& lab, const ResolutionTable& table, const Ctl (&labels)[TableOffsets]) {
  for (int k = 0; k < TableOffsets; ++k) {
    if (k < 3 || lab.geometry.pointCount > k)
      lab.setLabel(labels[k], table.offsets[k]);
    else
      lab.controls.setText(labels[k], "");
  }
}

}  // namespace

void Laboratory::Button130Click() {
  std::string text;
  const std::int32_t lines = tableText(store.table1, "  ", "     ", text);
  controls.setLines(Ctl::RichEdit4, std::move(text), lines);
  setLabel(Ctl::Label198, geometry.pointCount);
  static constexpr Ctl kOffsets[TableOffsets] = {Ctl::Label200, Ctl::Label201, Ctl::Label202, Ctl::Label203,
                                                 Ctl::Label204, Ctl::Label205, Ctl::Label206, Ctl::Label207};
  showOffsets(*this, store.table1, kOffsets);
  setLabel(Ctl::Label194, store.table1.columnCount);
  setLabel(Ctl::Label195, store.table1.rowCount);
}

void Laboratory::Button131Click() {
  std::string text;
  const std::int32_t lines = tableText(store.table2, " ", "    ", text);
  controls.setLines(Ctl::RichEdit5, std::move(text), lines);
  setLabel(Ctl::Label199, geometry.pointCount);
  static constexpr Ctl kOffsets[TableOffsets] = {Ctl::Label208, Ctl::Label209, Ctl::Label210, Ctl::Label211,
                                                 Ctl::Label212, Ctl::Label213, Ctl::Label214, Ctl::Label215};
  showOffsets(*this, store.table2, kOffsets);
  setLabel(Ctl::Label196, store.table2.columnCount);
  setLabel(Ctl::Label197, store.table2.rowCount);
}

void Laboratory::Button133Click() {
  std::string text;
  const std::int32_t lines = tableText(store.tableU, " ", "    ", text);
  controls.setLines(Ctl::RichEdit6, std::move(text), lines);
  setLabel(Ctl::Label216, store.tableU.rowCount);
}

}  // namespace quorvan
