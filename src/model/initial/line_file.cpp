#include "initial/line_file.h"

#include <algorithm>
#include <array>

namespace quorvan {

void writeLineFile(const FileAccess& files, std::string_view path, const LatticeState& s) {
  FileAccess::File f;
  if (!files.openExisting(path, f)) return;
  std::array<unsigned char, LineFileSize> bytes{};
  putInt32(bytes.data(), s.lineLength);
  std::copy(s.directLine.begin(), s.directLine.end(), bytes.begin() + 4);
  f.write(bytes.data(), bytes.size());
}

LineFileRead readLineFile(const FileAccess& files, std::string_view path, LatticeState& s) {
  FileAccess::File f;
  if (!files.openExisting(path, f)) return LineFileRead::Missing;
  // Start from the bytes as they stand, so a short file leaves the unread
  // ones as they were, then check the whole result before taking any of it.
  std::array<unsigned char, LineFileSize> bytes{};
  putInt32(bytes.data(), s.lineLength);
  std::copy(s.directLine.begin(), s.directLine.end(), bytes.begin() + 4);
  f.read(bytes.data(), bytes.size());

  // Every loop over a line runs up to its length and the step rule looks up
  // the next state by the cell's value, so a length beyond the 131 cells the
  // spinner offers, or a byte other than C, B or A anywhere in the 150 slots,
  // would reach past the arrays. Such a file is not a line this program
  // wrote: it is refused whole. A length of 0 is one the length edit itself
  // allows and that every loop handles, so it loads.
  const std::int32_t length = getInt32(bytes.data());
  if (length < 0 || length > MaxLength) return LineFileRead::Refused;
  if (std::any_of(bytes.begin() + 4, bytes.end(), [](unsigned char b) { return b > A; }))
    return LineFileRead::Refused;

  s.lineLength = length;
  std::copy(bytes.begin() + 4, bytes.end(), s.directLine.begin());
  return LineFileRead::Loaded;
}

void dualFromLoadedLine(LatticeState& s) {
  const int length = s.cells();
  for (int q = 0; q < length; ++q) {
    if (s.directLine[q] == A)
      s.dualLine[q] = B;
    else if (s.directLine[q] == B)
      s.dualLine[q] = A;
  }
}

}  // namespace quorvan
