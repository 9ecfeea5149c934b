#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "files/pending_files.h"

namespace delvora {

namespace {

constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

std::string folderOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// A hidden name beside path for the process's attempt-th temporary file.
std::string temporaryName(const std::string& path, int attempt) {
  const std::filesystem::path target(path);
  // Appended piece by piece: "literal" + std::string trips a false -Wrestrict in g++ 12.
  std::string hidden(".");
  hidden.append(target.filename().string()).append(".tmp").append(std::to_string(::getpid()));
  hidden.append("-").append(std::to_string(attempt));
  return (target.parent_path() / hidden).string();
}

bool writeAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string path, Durability durability)
    : m_path(std::move(path)), m_durability(durability) {}

AtomicFileWriter::~AtomicFileWriter() {
  discard();
}

bool AtomicFileWriter::fail() {
  m_error = std::strerror(errno);
  m_failed = true;
  return false;
}

bool AtomicFileWriter::open() {
  m_buffer.reserve(kBufferSize);
  struct stat existing {};
  if (::stat(m_path.c_str(), &existing) == 0) {
    if (!S_ISREG(existing.st_mode)) return openInPlace();
    m_keepMode = static_cast<int>(existing.st_mode & 07777);
  }
  if (openUnnamed()) return true;
  return openNamed();
}

bool AtomicFileWriter::openInPlace() {
  // Non-blocking, so a FIFO without a reader fails instead of hanging.
  m_fd = ::open(m_path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (m_fd < 0) return fail();
  m_inPlace = true;
  return true;
}

bool AtomicFileWriter::openUnnamed() {
#ifdef O_TMPFILE
  m_fd = ::open(folderOf(m_path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (m_fd >= 0) {
    m_unnamed = true;
    if (m_keepMode >= 0) ::fchmod(m_fd, static_cast<mode_t>(m_keepMode));
    return true;
  }
#endif
  return false;
}

bool AtomicFileWriter::openNamed() {
  for (int attempt = 0; attempt < 100; ++attempt) {
    m_temporary = temporaryName(m_path, attempt);
    // Registered before it exists, so no moment passes in which a signal would leave it behind.
    const int slot = registerPendingFile(m_temporary.c_str());
    m_fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_fd >= 0) {
      m_pendingSlot = slot;
      if (m_keepMode >= 0) ::fchmod(m_fd, static_cast<mode_t>(m_keepMode));
      return true;
    }
    const int openError = errno;
    releasePendingFile(slot);
    errno = openError;
    if (errno != EEXIST) break;
  }
  m_temporary.clear();
  return fail();
}

bool AtomicFileWriter::write(std::string_view bytes) {
  if (m_failed || m_fd < 0) return false;
  if (m_buffer.size() + bytes.size() > kBufferSize && !flush()) return false;
  if (bytes.size() >= kBufferSize) {
    if (!writeAll(m_fd, bytes.data(), bytes.size())) return fail();
    return true;
  }
  m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
  return true;
}

bool AtomicFileWriter::flush() {
  if (m_buffer.empty()) return true;
  if (!writeAll(m_fd, m_buffer.data(), m_buffer.size())) return fail();
  m_buffer.clear();
  return true;
}

bool AtomicFileWriter::linkUnnamed() {
  // An unnamed file gets a name through /proc (linkat with AT_EMPTY_PATH needs a privilege),
  // then replaces the target by rename as a named one would.
  const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    m_temporary = temporaryName(m_path, attempt);
    m_pendingSlot = registerPendingFile(m_temporary.c_str());
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, m_temporary.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      return true;
    }
    const int linkError = errno;
    releasePendingFile(std::exchange(m_pendingSlot, -1));
    errno = linkError;
    if (errno != EEXIST) break;
  }
  m_temporary.clear();
  return fail();
}

bool AtomicFileWriter::commit() {
  if (m_failed || m_fd < 0) return false;
  if (!flush()) return false;
  if (m_inPlace) {
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0) return fail();
    return true;
  }
  if (m_durability == Durability::Synced && ::fsync(m_fd) != 0) return fail();
  if (m_unnamed && !linkUnnamed()) return false;
  const int fd = std::exchange(m_fd, -1);
  if (::close(fd) != 0) return fail();
  if (::rename(m_temporary.c_str(), m_path.c_str()) != 0) return fail();
  m_temporary.clear();
  releasePendingFile(std::exchange(m_pendingSlot, -1));
  return true;
}

void AtomicFileWriter::discard() {
  if (m_fd >= 0) ::close(std::exchange(m_fd, -1));
  if (!m_temporary.empty()) ::unlink(m_temporary.c_str());
  m_temporary.clear();
  releasePendingFile(std::exchange(m_pendingSlot, -1));
}

std::string writeFileAtomically(const std::string& path, std::string_view bytes,
                                Durability durability) {
  AtomicFileWriter writer(path, durability);
  if (writer.open() && writer.write(bytes) && writer.commit()) return "";
  return writer.error();
}

std::string saveTextFile(const std::string& path, std::string_view bytes) {
  return writeFileAtomically(path, bytes).empty() ? "" : "Cannot create file " + path;
}

std::string writeFileAtomically(const std::string& path, Durability durability,
                                const std::function<std::string(const FileSink& sink)>& produce) {
  AtomicFileWriter writer(path, durability);
  if (!writer.open()) return writer.error();
  std::string failure =
      produce([&writer](const void* data, std::size_t size) { return writer.write(data, size); });
  if (!writer.error().empty()) return writer.error();
  if (!failure.empty()) return failure;
  if (!writer.commit()) return writer.error();
  return "";
}

}  // namespace delvora
