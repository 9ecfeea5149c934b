#pragma once

#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstddef>
#include <fstream>
#include <string>

namespace delvora::testing {

// Peak resident memory of the process so far (VmHWM), in kilobytes; 0 when unknown.
inline long peakResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// Descriptors the process has open now, not counting the one used to count them.
inline int openFileCount() {
  DIR* dir = ::opendir("/proc/self/fd");
  if (dir == nullptr) return -1;
  int count = 0;
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_name[0] != '.') ++count;
  }
  ::closedir(dir);
  return count - 1;
}

// A full disk for the guard's lifetime: writes that would make a file larger than bytes fail
// (EFBIG), for root too.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &m_previous);
    // Without this the first write past the limit kills the process.
    m_previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_previous;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_previous);
    ::signal(SIGXFSZ, m_previousHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit m_previous{};
  sighandler_t m_previousHandler = SIG_DFL;
};

// True in builds with AddressSanitizer, whose quarantine holds freed memory back and makes
// resident memory grow by design.
constexpr bool kAddressSanitizer =
#if defined(__SANITIZE_ADDRESS__)
    true;
#else
    false;
#endif

}  // namespace delvora::testing
