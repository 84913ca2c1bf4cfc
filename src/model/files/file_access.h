#pragma once
// Every reader and writer of the laboratory's files goes through here.
// Files are opened by relative path as existing files for reading and
// writing; a file that cannot be opened makes the access do nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvan {

class FileAccess {
 public:
  explicit FileAccess(std::string workDir = {}) : workDir_(std::move(workDir)) {}

  std::string resolve(std::string_view path) const;

  // Opens an existing file at offset 0; false when it cannot be opened.
  class File {
   public:
    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();
    bool isOpen() const { return fd_ >= 0; }
    // Reads up to n bytes from the current offset; returns how many arrived.
    std::size_t read(void* into, std::size_t n);
    std::size_t write(const void* from, std::size_t n);
    void close();

   private:
    friend class FileAccess;
    int fd_ = -1;
  };

  bool openExisting(std::string_view path, File& file) const;
  const std::string& workDir() const { return workDir_; }

 private:
  std::string workDir_;
};

// Little-endian 32-bit fields of the binary files.
void putInt32(unsigned char* at, std::int32_t value);
std::int32_t getInt32(const unsigned char* at);

}  // namespace quorvan
