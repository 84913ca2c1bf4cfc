#pragma once
// The line files "CA/ca.dat" and "CA/ca2.dat" .. "CA/ca5.dat": `lineLength`
// as a signed 32-bit little-endian number, then all 150 slots of the direct
// line, one byte each (0 = C, 1 = B, 2 = A).
#include <string_view>

#include "engine/lattice.h"
#include "files/file_access.h"

namespace quorvan {

inline constexpr std::size_t LineFileSize = 4 + MaxCells;

// Writes `lineLength` and all 150 slots of the direct line over the start of
// an existing file; a missing file is left missing.
void writeLineFile(const FileAccess& files, std::string_view path, const LatticeState& s);

enum class LineFileRead {
  Missing,  // the file could not be opened: nothing changed
  Loaded,   // the length and the slots read now hold the file's bytes
  Refused,  // the file would put a length outside 0..MaxLength or a byte
            // that is no cell state into the line: nothing changed
};

// Reads a line file into `lineLength` and the direct line. A file shorter
// than 154 bytes replaces only the bytes it holds: the rest of the length's
// four bytes and of the 150 slots keep what they were. A file longer than
// that has its tail ignored.
LineFileRead readLineFile(const FileAccess& files, std::string_view path, LatticeState& s);

// The dual line of a loaded line, cells 0..lineLength-1: A becomes B and B
// becomes A; where the direct cell is C the dual cell keeps its value.
void dualFromLoadedLine(LatticeState& s);

}  // namespace quorvan
