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
    // Moves to a byte offset from the start; false when the offset cannot be
    // reached (negative, or the file is closed).
    bool seek(std::int64_t offset);
    // The file's length in bytes; -1 when it is closed or cannot be told.
    std::int64_t size() const;
    void close();

   private:
    friend class FileAccess;
    int fd_ = -1;
  };

  bool openExisting(std::string_view path, File& file) const;

  // Makes `path` hold exactly these bytes, creating the file when it is
  // missing: the only writer that may create or shorten a file. The bytes go
  // to a fresh file beside it first, which then takes the old one's place,
  // so a write that fails part way leaves the old file as it was. False when
  // nothing could be written.
  bool replaceWhole(std::string_view path, const void* bytes, std::size_t n) const;
  const std::string& workDir() const { return workDir_; }

 private:
  std::string workDir_;
};

// Little-endian 32-bit fields of the binary files.
void putInt32(unsigned char* at, std::int32_t value);
std::int32_t getInt32(const unsigned char* at);

}  // namespace quorvan
