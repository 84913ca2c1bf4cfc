#pragma once
// The files and folders a working directory holds so that every reader and
// writer of the laboratory finds its file: the system never creates a file
// itself, it only overwrites existing ones.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace quorvan {

struct SkeletonEntry {
  const char* path;  // relative; a folder when size is 0 and the path ends in '/'
  std::size_t size;  // bytes of a zero-filled file
  // The file's bytes when it is not zero-filled (the picture), else null.
  std::vector<unsigned char> (*content)() = nullptr;
};

std::span<const SkeletonEntry> workingDirectorySkeleton();

// Creates whatever of the skeleton is missing in `dir`, leaving every
// existing file as it is. Returns false (with a reason) when it cannot.
bool prepareWorkingDirectory(const std::string& dir, std::string* error = nullptr);

}  // namespace quorvan
