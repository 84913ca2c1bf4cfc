#include "files/file_access.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

namespace quorvan {

std::string FileAccess::resolve(std::string_view path) const {
  if (workDir_.empty() || (!path.empty() && path.front() == '/')) return std::string(path);
  std::string full = workDir_;
  if (full.back() != '/') full.push_back('/');
  full.append(path);
  return full;
}

bool FileAccess::openExisting(std::string_view path, File& file) const {
  file.close();
  // Never created, never truncated: a missing file leaves the access idle.
  file.fd_ = ::open(resolve(path).c_str(), O_RDWR | O_CLOEXEC);
  return file.fd_ >= 0;
}

FileAccess::File::~File() { close(); }

void FileAccess::File::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::size_t FileAccess::File::read(void* into, std::size_t n) {
  if (fd_ < 0) return 0;
  std::size_t done = 0;
  auto* p = static_cast<unsigned char*>(into);
  while (done < n) {
    const ssize_t got = ::read(fd_, p + done, n - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

std::size_t FileAccess::File::write(const void* from, std::size_t n) {
  if (fd_ < 0) return 0;
  std::size_t done = 0;
  const auto* p = static_cast<const unsigned char*>(from);
  while (done < n) {
    const ssize_t put = ::write(fd_, p + done, n - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) break;
    done += static_cast<std::size_t>(put);
  }
  return done;
}

void putInt32(unsigned char* at, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  at[0] = static_cast<unsigned char>(u);
  at[1] = static_cast<unsigned char>(u >> 8);
  at[2] = static_cast<unsigned char>(u >> 16);
  at[3] = static_cast<unsigned char>(u >> 24);
}

std::int32_t getInt32(const unsigned char* at) {
  const std::uint32_t u = std::uint32_t{at[0]} | (std::uint32_t{at[1]} << 8) | (std::uint32_t{at[2]} << 16) |
                          (std::uint32_t{at[3]} << 24);
  return static_cast<std::int32_t>(u);
}

}  // namespace quorvan
