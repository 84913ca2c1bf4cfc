#pragma once
// The files and folders a working directory holds so that every reader and
// writer of the laboratory finds its file: the system never creates a file
// itself, it only overwrites existing ones.
#include <cstddef>
#include <span>
#include <string>

namespace quorvan {

struct SkeletonEntry {
  const char* path;  // relative; a folder when size is 0 and the path ends in '/'
  std::size_t size;  // bytes of a zero-filled file
};

std::span<const SkeletonEntry> workingDirectorySkeleton();

// Creates whatever of the skeleton is missing in `dir`, leaving every
// existing file as it is. Returns false (with a reason) when it cannot.
bool prepareWorkingDirectory(const std::string& dir, std::string* error = nullptr);

}  // namespace quorvan
