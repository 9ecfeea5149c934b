#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace delvora::testing {

// A fresh folder under the system's temporary folder for one test, removed with everything in
// it (whatever permissions the test left) when the object goes.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "delvora-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) m_path = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  // The path of name inside the folder.
  std::string file(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

// Makes dir the working directory for the guard's lifetime.
class WorkingDirGuard {
 public:
  explicit WorkingDirGuard(const std::filesystem::path& dir)
      : m_previous(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~WorkingDirGuard() {
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
  }
  WorkingDirGuard(const WorkingDirGuard&) = delete;
  WorkingDirGuard& operator=(const WorkingDirGuard&) = delete;

 private:
  std::filesystem::path m_previous;
};

// The whole file as bytes; empty when it cannot be read.
inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace delvora::testing
