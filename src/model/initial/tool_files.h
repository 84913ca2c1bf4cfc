#pragma once
// The other files of the "File2" and "Initial" menus: the freeze mask of the
// square lattice, the example table, and the picture whose bright pixels can
// be shown in the window. Only the research tools read the mask and the
// table; these functions move them between memory and their files.
#include <array>
#include <cstdint>
#include <string_view>

#include "engine/lattice.h"
#include "files/file_access.h"
#include "render/canvas.h"

namespace quorvan {

// Five dimensions of extents 2, 5, 5, 5 and 9, the last varying fastest.
inline constexpr std::size_t ExampleTableSize = 2 * 5 * 5 * 5 * 9;  // 2250
// The reader's row buffer holds this many pixels.
inline constexpr std::int32_t MaxPictureWidth = 1024;
// The picture the readers expect, and the one delivered with the system.
inline constexpr std::int32_t DefaultPictureSide = 512;

struct ToolData {
  // One byte per cell of the squareRows x squareCols square, row after row.
  // The square's sides follow the line length (at most MaxLength), so the
  // grid is sized for the largest square once.
  std::array<std::uint8_t, MaxLength * MaxLength> freezeMask{};
  std::array<std::uint8_t, ExampleTableSize> exampleTable{};
  std::int32_t pictureWidth = DefaultPictureSide;
  std::int32_t pictureHeight = DefaultPictureSide;
};

// The cells of a rows x cols square, each side held to 0..MaxLength.
std::size_t squareCellCount(std::int32_t rows, std::int32_t cols);

// "Read mask": the square's bytes from the start of an existing file; a
// short file leaves the cells it does not reach as they were.
void readFreezeMask(const FileAccess& files, std::string_view path, ToolData& t, std::int32_t rows,
                    std::int32_t cols);
// "Write mask": the square's bytes over the start of an existing file (a
// missing one stays missing), then every cell of the mask back to 0.
void writeFreezeMask(const FileAccess& files, std::string_view path, ToolData& t, std::int32_t rows,
                     std::int32_t cols);

// "Read Exr.dat": 2250 bytes from the start of an existing file.
void readExampleTable(const FileAccess& files, std::string_view path, ToolData& t);
// "Write Exr.dat" and "Write RCA": the file is made to hold exactly the 2250
// bytes, created when missing. False when nothing could be written; the old
// file is then as it was.
bool writeExampleTable(const FileAccess& files, std::string_view path, const ToolData& t);

// What the picture readers made of the file.
enum class PictureRead {
  Missing,     // could not be opened
  NotPicture,  // not an uncompressed 24-bit picture, wider than the row
               // buffer, or its pixel data do not start inside the file
  Read,        // rows were read (a file that ends early ends the rows)
};

// The picture readers: from the pixel-data offset at byte 10, `height` rows
// of `width` blue-green-red pixels are read back to back, bottom row first.
// With `paint` set, every pixel whose blue byte is above 60 paints the
// window pixel (x, height-1-y) pure blue; without, nothing is painted. The
// width is held to the row buffer.
PictureRead readPicture(const FileAccess& files, std::string_view path, std::int32_t width,
                        std::int32_t height, bool paint, Canvas& canvas);

}  // namespace quorvan
