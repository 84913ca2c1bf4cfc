#pragma once
// The text of a combination as every table panel prints it.
#include <cstdint>
#include <string>
#include <string_view>

#include "tables/resolution_table.h"

namespace quorvan {

// Appends the text of one point value: two blanks and the digit for 0..2,
// " -" and the digit of v - 3 for 3..5. A byte above 5 (a foreign file may
// carry one) prints as " -" and the number v - 3, so no value is dropped.
void appendPointValue(std::string& out, PointValue v);

// Appends the row text of `count` values: `firstGap` directly after the
// value of column 0, and, when mark >= 0, `markGap` and the mark after the
// last value.
void appendRowText(std::string& out, const PointValue* values, int count, std::string_view firstGap,
                   std::int32_t mark, std::string_view markGap);

// The lines of a whole table, one per row below rowCount, each with its
// mark, joined by '\n'; returns the number of lines.
std::int32_t tableText(const ResolutionTable& table, std::string_view firstGap, std::string_view markGap,
                       std::string& out);

}  // namespace quorvan
