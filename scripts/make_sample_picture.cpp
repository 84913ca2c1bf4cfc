// Writes the picture that the "READ FROM FILE" items of the Initial menu
// read: a space-time diagram drawn by the laboratory's own drawing pass.
//
//   cmake --build --preset release --target make_sample_picture &&
//   build/release/bin/make_sample_picture data/lab/data/1_1.BMP
#include <cstdio>
#include <fstream>

#include "render/sample_picture.h"

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "1_1.BMP";
  const std::vector<unsigned char> bytes = quorvan::samplePicture();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "could not write %s\n", path);
    return 1;
  }
  return 0;
}
