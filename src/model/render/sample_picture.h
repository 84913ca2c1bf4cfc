#pragma once
// The picture delivered as "data/1_1.BMP": a space-time diagram of this
// automaton, drawn by the drawing pass in the ordinary view, stored as an
// uncompressed 24-bit picture of 512 x 512 pixels.
#include <cstdint>
#include <vector>

namespace quorvan {

inline constexpr std::int32_t SamplePictureSide = 512;

// The whole file, header and pixels (54 + 512 * 512 * 3 bytes).
std::vector<unsigned char> samplePicture();

}  // namespace quorvan
