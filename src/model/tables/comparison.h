#pragma once
// Comparison and copying of the three Resolution Tables: pairing the
// combinations that tables 1 and 2 share, the symmetry warnings, the union
// and the intersection in table U, and the copies between the slots.
//
// Every search here answers exactly as findRow does; RowIndex only makes it
// a hash probe instead of a scan, so a comparison of two full tables with
// its symmetry passes and a union over 6^6 combinations stays in
// milliseconds.
#include <array>
#include <cstdint>
#include <functional>

#include "tables/resolution_table.h"

namespace quorvan {

// The first row of a table for each combination of its own columnCount
// first values. Built once from the table as it stands; any change to the
// table's counts or rows makes it stale.
class RowIndex {
 public:
  explicit RowIndex(const ResolutionTable& table);
  // The same as findRow(table, probe).
  std::int32_t find(const TableRow& probe) const;

 private:
  static constexpr std::size_t kSlots = 4096;  // a power of two, over twice the 1000 rows
  std::size_t slotOf(const PointValue* values) const;

  const ResolutionTable& table_;
  int columns_ = 0;
  int rows_ = 0;
  std::array<std::int16_t, kSlots> slots_;  // row index, or -1 for an empty slot
};

// Steps 1 to 3 of a comparison: every mark of tables 1 and 2 (rows below
// their rowCount) := -1, then each row of table 2 found in table 1 gives
// both rows the next pair number. Returns the number of pairs.
std::int32_t pairTables(TableStore& store);

// The three symmetry passes. `hit` receives 1 for "IS AMB 1" and 2 for
// "IS AMB 2", once per search that finds the image.
void symmetryPasses(TableStore& store, const std::function<void(int)>& hit);

// The union of tables 1 and 2 in table U, in lexicographic order, the
// shared combinations numbered 0, 1, 2 ... Only for a table 1 of 4, 5 or 6
// columns; any other count leaves table U as it is and returns false.
// Table U holds 1000 rows: a union that needs more keeps its first 1000
// combinations, and `wanted` tells how many it had.
bool uniteIntoU(TableStore& store, std::int32_t& wanted);

// The shared combinations (rows of table 2 with a pair number) in table U,
// in table 2's order, without marks.
void keepShared(TableStore& store);

// The copies. Only rows below the source's rowCount and columns below its
// columnCount are copied; what each does with marks and offsets is in its
// name's command.
void copy1To2(TableStore& store);         // with table 1's marks and offsets
void copy1ToInverted2(TableStore& store); // columns 1 .. N-1 mirrored; marks of 2 kept
void copy2To1(TableStore& store);         // with table 2's offsets; marks of 1 kept
void copy1ToU(TableStore& store);         // marks of U kept
void copyUTo1(TableStore& store);         // marks of 1 cleared over its old rows
void copyUTo2(TableStore& store);         // marks of 2 cleared over its old rows

}  // namespace quorvan
