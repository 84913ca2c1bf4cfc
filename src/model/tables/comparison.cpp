#include "tables/comparison.h"

#include <algorithm>

#include "tables/store.h"

namespace quorvan {
namespace {

std::int32_t columnsOf(const ResolutionTable& t) { return std::clamp<std::int32_t>(t.columnCount, 0, TableColumns); }
std::int32_t rowsOf(const ResolutionTable& t) { return std::clamp<std::int32_t>(t.rowCount, 0, TableRows); }

void clearMarks(ResolutionTable& t, std::int32_t rows) {
  std::fill_n(t.rowMarks.begin(), std::clamp<std::int32_t>(rows, 0, TableRows), -1);
}

// The copies' common part: counts and the rows below the new rowCount, the
// columns below the new columnCount.
void copyRows(const ResolutionTable& from, ResolutionTable& to) {
  to.columnCount = from.columnCount;
  to.rowCount = from.rowCount;
  const int rows = rowsOf(from), columns = columnsOf(from);
  for (int i = 0; i < rows; ++i) std::copy_n(from.rows[i].begin(), columns, to.rows[i].begin());
}

}  // namespace

RowIndex::RowIndex(const ResolutionTable& table)
    : table_(table), columns_(columnsOf(table)), rows_(rowsOf(table)) {
  slots_.fill(-1);
  if (columns_ == 0) return;
  for (int i = 0; i < rows_; ++i) {
    const PointValue* row = table.rows[i].data();
    for (std::size_t s = slotOf(row);; s = (s + 1) & (kSlots - 1)) {
      if (slots_[s] < 0) {
        slots_[s] = static_cast<std::int16_t>(i);
        break;
      }
      // An equal earlier row keeps the slot: findRow answers the first.
      if (std::equal(row, row + columns_, table.rows[slots_[s]].begin())) break;
    }
  }
}

std::size_t RowIndex::slotOf(const PointValue* values) const {
  std::uint64_t h = 1469598103934665603ull;
  for (int j = 0; j < columns_; ++j) h = (h ^ values[j]) * 1099511628211ull;
  return static_cast<std::size_t>(h ^ (h >> 29)) & (kSlots - 1);
}

std::int32_t RowIndex::find(const TableRow& probe) const {
  // No columns to compare: every row matches, so the first one answers.
  if (columns_ == 0) return rows_ > 0 ? 0 : -1;
  for (std::size_t s = slotOf(probe.data()); slots_[s] >= 0; s = (s + 1) & (kSlots - 1))
    if (std::equal(probe.begin(), probe.begin() + columns_, table_.rows[slots_[s]].begin())) return slots_[s];
  return -1;
}

std::int32_t pairTables(TableStore& store) {
  ResolutionTable& t1 = store.table1;
  ResolutionTable& t2 = store.table2;
  clearMarks(t1, t1.rowCount);
  clearMarks(t2, t2.rowCount);
  const RowIndex index1(t1);
  std::int32_t k = 0;
  const int rows2 = rowsOf(t2);
  for (int p = 0; p < rows2; ++p) {
    store.probeRow = t2.rows[p];
    const std::int32_t i = index1.find(store.probeRow);
    if (i >= 0) {
      t1.rowMarks[i] = k;
      t2.rowMarks[p] = k;
      ++k;
    }
  }
  return k;
}

void symmetryPasses(TableStore& store, const std::function<void(int)>& hit) {
  const RowIndex index1(store.table1);
  const RowIndex index2(store.table2);
  struct Pass {
    const ResolutionTable& rows;
    const RowIndex& first;   // found here: "IS AMB 1"
    const RowIndex& second;  // found here: "IS AMB 2"
  };
  const Pass passes[] = {
      {store.table1, index1, index2},
      {store.table2, index1, index2},
      {store.table1, index2, index1},
  };
  for (const Pass& pass : passes) {
    const int rows = rowsOf(pass.rows);
    for (int r = 0; r < rows; ++r) {
      store.sourceRow = pass.rows.rows[r];
      for (int kind = 1; kind <= 5; ++kind) {
        transformRow(store, kind);
        if (pass.first.find(store.probeRow) >= 0) hit(1);
        if (pass.second.find(store.probeRow) >= 0) hit(2);
      }
    }
  }
}

bool uniteIntoU(TableStore& store, std::int32_t& wanted) {
  const ResolutionTable& t1 = store.table1;
  const ResolutionTable& t2 = store.table2;
  ResolutionTable& u = store.tableU;
  wanted = 0;
  const int n = t1.columnCount;
  if (n < 4 || n > 6) return false;
  const RowIndex index1(t1);
  const RowIndex index2(t2);
  std::fill(u.rowMarks.begin(), u.rowMarks.end(), -1);
  u.columnCount = n;
  u.rowCount = 0;
  std::int32_t c = 0;
  TableRow& probe = store.probeRow;
  std::fill_n(probe.begin(), n, 0);
  // Column 0 is the slowest digit: an odometer over probe's first n values.
  for (;;) {
    const ResolutionTable* from = nullptr;
    std::int32_t i = index1.find(probe);
    if (i >= 0) {
      from = &t1;
    } else if ((i = index2.find(probe)) >= 0) {
      from = &t2;
    }
    if (from) {
      ++wanted;
      if (u.rowCount < TableRows) {
        if (from->rowMarks[i] >= 0) u.rowMarks[u.rowCount] = c++;
        appendRow(u, probe.data(), n);
      }
    }
    int j = n - 1;
    while (j >= 0 && probe[j] == 5) --j;
    if (j < 0) break;  // probe is left on the last combination, all fives
    ++probe[j];
    std::fill(probe.begin() + j + 1, probe.begin() + n, 0);
  }
  return true;
}

void keepShared(TableStore& store) {
  const ResolutionTable& t2 = store.table2;
  ResolutionTable& u = store.tableU;
  clearMarks(u, t2.rowCount);
  u.columnCount = t2.columnCount;
  u.rowCount = 0;
  const int rows = rowsOf(t2);
  for (int p = 0; p < rows; ++p)
    if (t2.rowMarks[p] >= 0) appendRow(u, t2.rows[p].data(), columnsOf(u));
}

void copy1To2(TableStore& store) {
  std::copy_n(store.table1.rowMarks.begin(), rowsOf(store.table1), store.table2.rowMarks.begin());
  copyRows(store.table1, store.table2);
  store.table2.offsets = store.table1.offsets;
}

void copy1ToInverted2(TableStore& store) {
  const ResolutionTable& t1 = store.table1;
  ResolutionTable& t2 = store.table2;
  t2.columnCount = t1.columnCount;
  t2.rowCount = t1.rowCount;
  const int rows = rowsOf(t1), n = columnsOf(t1);
  for (int i = 0; i < rows && n > 0; ++i) {
    t2.rows[i][0] = t1.rows[i][0];
    for (int j = 1; j < n; ++j) t2.rows[i][j] = t1.rows[i][n - j];
  }
  t2.offsets = t1.offsets;
}

void copy2To1(TableStore& store) {
  copyRows(store.table2, store.table1);
  store.table1.offsets = store.table2.offsets;
}

void copy1ToU(TableStore& store) { copyRows(store.table1, store.tableU); }

void copyUTo1(TableStore& store) {
  clearMarks(store.table1, store.table1.rowCount);
  copyRows(store.tableU, store.table1);
}

void copyUTo2(TableStore& store) {
  clearMarks(store.table2, store.table2.rowCount);
  copyRows(store.tableU, store.table2);
}

}  // namespace quorvan
