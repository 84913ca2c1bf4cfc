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

// Where one of the two numbered tables is shown: its panel, the labels of
// its offsets, and those of the point count, column count and row count.
struct TableView {
  Ctl panel;
  Ctl offsets[TableOffsets];
  Ctl pointCount, columnCount, rowCount;
};

// Fills the panel with the table's rows and its labels with its header.
// Offsets 0..2 are always shown; offset k from 3 on only while the point
// count reaches past it.
void showTable(Laboratory& lab, const ResolutionTable& table, std::string_view firstGap,
               std::string_view markGap, const TableView& view) {
  std::string text;
  const std::int32_t lines = tableText(table, firstGap, markGap, text);
  lab.controls.setLines(view.panel, std::move(text), lines);
  lab.setLabel(view.pointCount, lab.geometry.pointCount);
  for (int k = 0; k < TableOffsets; ++k) {
    if (k < 3 || lab.geometry.pointCount > k)
      lab.setLabel(view.offsets[k], table.offsets[k]);
    else
      lab.controls.setText(view.offsets[k], "");
  }
  lab.setLabel(view.columnCount, table.columnCount);
  lab.setLabel(view.rowCount, table.rowCount);
}

}  // namespace

void Laboratory::Button130Click() {
  static constexpr TableView kView{Ctl::RichEdit4,
                                   {Ctl::Label200, Ctl::Label201, Ctl::Label202, Ctl::Label203, Ctl::Label204,
                                    Ctl::Label205, Ctl::Label206, Ctl::Label207},
                                   Ctl::Label198, Ctl::Label194, Ctl::Label195};
  showTable(*this, store.table1, "  ", "     ", kView);
}

void Laboratory::Button131Click() {
  static constexpr TableView kView{Ctl::RichEdit5,
                                   {Ctl::Label208, Ctl::Label209, Ctl::Label210, Ctl::Label211, Ctl::Label212,
                                    Ctl::Label213, Ctl::Label214, Ctl::Label215},
                                   Ctl::Label199, Ctl::Label196, Ctl::Label197};
  showTable(*this, store.table2, " ", "    ", kView);
}

void Laboratory::Button133Click() {
  std::string text;
  const std::int32_t lines = tableText(store.tableU, " ", "    ", text);
  controls.setLines(Ctl::RichEdit6, std::move(text), lines);
  setLabel(Ctl::Label216, store.tableU.rowCount);
}

}  // namespace quorvan
