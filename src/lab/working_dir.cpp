#include "lab/working_dir.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace quorvan {
namespace {

constexpr SkeletonEntry kSkeleton[] = {
    {"CA/ca.dat", 154},     {"CA/ca2.dat", 154},  {"CA/ca3.dat", 154},  {"CA/ca4.dat", 154},
    {"CA/ca5.dat", 154},    {"RT/rt1.dat", 8044}, {"RT/rt2.dat", 8044}, {"RT/rtU.dat", 8044},
    {"RT/rtemp.dat", 8044}, {"RT_4/", 0},         {"RT_5/", 0},         {"RT_6/", 0},
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
        const std::vector<char> zeros(e.size, 0);
        out.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
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
