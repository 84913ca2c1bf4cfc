#include "lab/working_dir.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "initial/tool_files.h"
#include "render/sample_picture.h"

namespace quorvan {
namespace {

constexpr SkeletonEntry kSkeleton[] = {
    {"CA/ca.dat", 154},     {"CA/ca2.dat", 154},  {"CA/ca3.dat", 154},  {"CA/ca4.dat", 154},
    {"CA/ca5.dat", 154},    {"RT/rt1.dat", 8044}, {"RT/rt2.dat", 8044}, {"RT/rtU.dat", 8044},
    {"RT/rtemp.dat", 8044}, {"RT_4/", 0},         {"RT_5/", 0},         {"RT_6/", 0},
    // The freeze mask of the start-up square (11 x 11), the example table,
    // and the picture of the "READ FROM FILE" items, drawn by the model.
    {"MA/mafin.dat", 121},  {"examp/Exr.dat", ExampleTableSize},
    {"data/1_1.BMP", 54 + 3 * SamplePictureSide * SamplePictureSide, samplePicture},
};

}  // namespace

std::span<const SkeletonEntry> workingDirectorySkeleton() { return kSkeleton; }

bool prepareWorkingDirectory(const std::string& dir, std::string* error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (const SkeletonEntry& e : kSkeleton) {
    const fs::path p = fs::path(dir) / e.path;
    const std::string name = e.path;
    if (!name.empty() && name.back() == '/') {
      fs::create_directories(p, ec);
    } else {
      fs::create_directories(p.parent_path(), ec);
      if (!fs::exists(p, ec)) {
        std::ofstream out(p, std::ios::binary);
        std::vector<unsigned char> bytes = e.content ? e.content() : std::vector<unsigned char>(e.size, 0);
        bytes.resize(e.size, 0);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) ec = std::make_error_code(std::errc::io_error);
      }
    }
    if (ec) {
      if (error) *error = p.string() + ": " + ec.message();
      return false;
    }
  }
  return true;
}

}  // namespace quorvan
