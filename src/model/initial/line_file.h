#pragma once
#include <string_view>

#include "engine/lattice.h"
#include "files/file_access.h"

namespace quorvan {

inline constexpr std::size_t LineFileSize = 4 + MaxCells;

// Writes `lineLength` and all 150 slots of the direct line over the start of
// an existing file; a missing file is left missing.
void writeLineFile(const FileAccess& files, std::string_view path, const LatticeState& s);

}  // namespace quorvan
