#pragma once
// The three Resolution Tables and their 8044-byte file image.
//
// Every count read from a file or handed in by a caller is brought inside
// the table's fixed arrays first, so no header and no caller can make the
// store read or write past its 1000 rows of 9 values.
#include <array>
#include <cstdint>
#include <string_view>

#include "files/file_access.h"
#include "tables/resolution_table.h"
#include "values.h"

namespace quorvan {

// The file image: header of nine int32 fields, then the first 8000 bytes of
// the rows (value j of row i at 44 + 9i + j).
inline constexpr std::size_t TableFileHeaderBytes = 44;
inline constexpr std::size_t TableFileRowBytes = 8000;
inline constexpr std::size_t TableFileBytes = TableFileHeaderBytes + TableFileRowBytes;  // 8044

// columnCount := count, kept in 0..9 (a count of 10 or more, as a ten-point
// mask gives, would otherwise let every later row access run past the row);
// rowCount := 0. Rows, marks and offsets stay.
void resetTable(ResolutionTable& table, std::int32_t columnCount);

// Writes `count` values (at most 9) into the first positions of the next row
// and counts it. A full table (1000 rows) takes nothing more: the row is
// dropped rather than written past the last row.
void appendRow(ResolutionTable& table, const PointValue* values, int count);

// The first row whose first columnCount values equal those of probe; -1
// when there is none. A table with columnCount 0 and rows answers 0.
std::int32_t findRow(const ResolutionTable& table, const TableRow& probe);

// probeRow[i] := P_kind(sourceRow[i]) for i below table 1's columnCount.
// A kind outside 1..5 does nothing; a source value outside 0..5 leaves its
// probe value as it was.
void transformRow(TableStore& store, int kind);

// Reads a table file into `table` (table 1 in practice): the first field
// into pointCount, the eight offsets into the table's offsets, then its
// counts and rows. A missing file reads nothing; a short file fills only
// the fields it reaches (a field it reaches only in part keeps its value).
// Counts beyond the arrays are clamped: columnCount to 0..9, rowCount to
// 0..1000. With clearMarks the marks of rows below the rowCount now held
// become -1, also when nothing could be read.
void loadTable(const FileAccess& files, std::string_view path, std::int32_t& pointCount,
               ResolutionTable& table, bool clearMarks);

// Writes the whole 8044-byte image in one write over an existing file: the
// header's first nine fields from the geometry as it stands, counts and
// rows from the table. A missing file is left missing: saving never creates
// one, so a table can only land where the working directory expects it.
void saveTable(const FileAccess& files, std::string_view path, const AnalysisGeometry& geometry,
               const ResolutionTable& table);

// The image itself, for the writer and for tests.
void encodeTableFile(const AnalysisGeometry& geometry, const ResolutionTable& table,
                     std::array<unsigned char, TableFileBytes>& image);

}  // namespace quorvan
