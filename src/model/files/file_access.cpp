#include "files/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

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

bool FileAccess::replaceWhole(std::string_view path, const void* bytes, std::size_t n) const {
  std::string target = resolve(path);
  if (target.empty()) return false;
  // A link is followed, so the file it names gets the bytes, not the link.
  if (char* real = ::realpath(target.c_str(), nullptr)) {
    target = real;
    std::free(real);
  }
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && !S_ISREG(old.st_mode)) return false;

  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = target + ".part" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  File f;
  f.fd_ = fd;
  bool ok = f.write(bytes, n) == n;
  if (ok && existed) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  if (ok) ok = ::fsync(fd) == 0;
  f.close();
  if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

FileAccess::File::~File() { close(); }

bool FileAccess::File::seek(std::int64_t offset) {
  if (fd_ < 0 || offset < 0) return false;
  return ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(offset);
}

std::int64_t FileAccess::File::size() const {
  struct stat st {};
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return -1;
  return static_cast<std::int64_t>(st.st_size);
}

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
