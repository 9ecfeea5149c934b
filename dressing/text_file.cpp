#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "dressing/report.h"

namespace delvora {

namespace {

// Writes all of data to fd, retrying short writes and interrupted calls.
bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Creates a new, empty file next to path and returns its descriptor (-1 on failure) and name.
int createTemporary(const std::filesystem::path& path, std::string& tempName) {
  std::string hidden = ".";
  hidden += path.filename().string();
  const std::string stem = (path.parent_path() / hidden).string();
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempName = stem + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool writeItems(int fd, const std::vector<std::string>& items) {
  for (const std::string& item : items) {
    if (!writeAll(fd, item) || !writeAll(fd, "\r\n")) return false;
  }
  return true;
}

// A device or FIFO in place of the file cannot be replaced by a file: it is written to as it
// is (non-blocking, so a FIFO without a reader fails instead of hanging).
bool writeInPlace(const std::string& path, const std::vector<std::string>& items) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = writeItems(fd, items);
  return (::close(fd) == 0) && ok;
}

}  // namespace

std::string writeTextFile(const std::string& path, const std::vector<std::string>& items) {
  const std::string failure = "Cannot create file " + path;
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) return writeInPlace(path, items) ? "" : failure;
  std::string tempName;
  const int fd = createTemporary(std::filesystem::path(path), tempName);
  if (fd < 0) return failure;
  // A replaced file keeps its permissions.
  if (exists) ::fchmod(fd, existing.st_mode & 07777);
  bool ok = writeItems(fd, items) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(tempName.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(tempName.c_str());
    return failure;
  }
  return "";
}

}  // namespace delvora
