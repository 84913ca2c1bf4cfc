#include "initial/tool_files.h"

#include <algorithm>

namespace quorvan {
namespace {

std::int32_t side(std::int32_t n) { return std::clamp(n, 0, MaxLength); }

std::uint32_t getUint16(const unsigned char* at) {
  return std::uint32_t{at[0]} | (std::uint32_t{at[1]} << 8);
}

}  // namespace

std::size_t squareCellCount(std::int32_t rows, std::int32_t cols) {
  return static_cast<std::size_t>(side(rows)) * static_cast<std::size_t>(side(cols));
}

void readFreezeMask(const FileAccess& files, std::string_view path, ToolData& t, std::int32_t rows,
                    std::int32_t cols) {
  FileAccess::File f;
  if (!files.openExisting(path, f)) return;
  f.read(t.freezeMask.data(), squareCellCount(rows, cols));
}

void writeFreezeMask(const FileAccess& files, std::string_view path, ToolData& t, std::int32_t rows,
                     std::int32_t cols) {
  FileAccess::File f;
  if (files.openExisting(path, f)) f.write(t.freezeMask.data(), squareCellCount(rows, cols));
  t.freezeMask.fill(0);
}

void readExampleTable(const FileAccess& files, std::string_view path, ToolData& t) {
  FileAccess::File f;
  if (!files.openExisting(path, f)) return;
  f.read(t.exampleTable.data(), t.exampleTable.size());
}

bool writeExampleTable(const FileAccess& files, std::string_view path, const ToolData& t) {
  return files.replaceWhole(path, t.exampleTable.data(), t.exampleTable.size());
}

PictureRead readPicture(const FileAccess& files, std::string_view path, std::int32_t width,
                        std::int32_t height, bool paint, Canvas& canvas) {
  FileAccess::File f;
  if (!files.openExisting(path, f)) return PictureRead::Missing;

  // Only the pixel-data offset steers the reading, but a file is taken as a
  // picture only when its header says what the reading assumes: an
  // uncompressed 24-bit picture no wider than the row buffer, with its
  // pixels starting inside the file. Anything else paints nothing.
  unsigned char header[54] = {};
  if (f.read(header, sizeof header) != sizeof header) return PictureRead::NotPicture;
  const std::int32_t offset = getInt32(header + 10);
  const std::int32_t headerSize = getInt32(header + 14);
  const std::int32_t fileWidth = getInt32(header + 18);
  const std::uint32_t bitsPerPixel = getUint16(header + 28);
  const std::int32_t compression = getInt32(header + 30);
  const bool picture = header[0] == 'B' && header[1] == 'M' && headerSize >= 40 && bitsPerPixel == 24 &&
                       compression == 0 && fileWidth > 0 && fileWidth <= MaxPictureWidth;
  // The pixels start after both headers and before the end of the file.
  if (!picture || offset < 14 + std::int64_t{headerSize} || offset >= f.size() || !f.seek(offset))
    return PictureRead::NotPicture;

  const std::int32_t w = std::clamp(width, 0, MaxPictureWidth);
  const std::int32_t h = std::max(height, 0);
  if (w == 0) return PictureRead::Read;
  const std::size_t rowBytes = static_cast<std::size_t>(w) * 3;
  std::array<unsigned char, static_cast<std::size_t>(MaxPictureWidth) * 3> row{};
  for (std::int32_t y = 0; y < h; ++y) {
    const std::size_t got = f.read(row.data(), rowBytes);
    // A row cut short by the end of the file shows the pixels it holds;
    // what the buffer kept from the row before is not this row's picture.
    const std::size_t pixels = got / 3;
    if (paint) {
      for (std::size_t x = 0; x < pixels; ++x)
        if (row[3 * x] > 60) canvas.pixel(static_cast<std::int64_t>(x), std::int64_t{h} - 1 - y, kBlue);
    }
    if (got < rowBytes) break;
  }
  return PictureRead::Read;
}

}  // namespace quorvan
