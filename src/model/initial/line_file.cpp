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

}  // namespace quorvan
