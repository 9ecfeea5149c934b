#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/text.h"

namespace delvora {

// Splits dressing file text into entries: CR LF, LF and CR all end a line, a leading UTF-8 BOM
// is dropped, each line is trimmed of bytes <= ' ', lines starting "/*" are comments. A final
// line end does not start an extra entry. Feed the file in chunks of any size, then finish().
class DressingFileParser {
 public:
  void feed(std::string_view bytes);
  void finish();

  // Hands over the entries completed since the last call, in file order.
  std::vector<std::string> takeEntries();

 private:
  LineSplitter m_lines;
  // The first bytes of the file while they may still be a BOM.
  std::string m_head;
  bool m_atStart = true;
};

// The entries a dressing file's bytes add to its table, as DressingFileParser reads them, and how
// many of those are empty: a blank line is an entry of its own.
struct DressingFileCount {
  std::size_t entries = 0;
  std::size_t empty = 0;
};
DressingFileCount countDressingEntries(std::string_view bytes);

// The file in directory dir whose name equals name without regard to ASCII letter case (an
// exact match wins, then the first in byte order); empty when there is none. Directories do not
// count as files.
std::filesystem::path findDressingFile(const std::filesystem::path& dir, std::string_view name);
// findDressingFile for each name, from one listing of the directory.
std::vector<std::filesystem::path> findDressingFiles(const std::filesystem::path& dir,
                                                     const std::vector<std::string_view>& names);

// The directory to read dressing files from: dir when it can be listed, else the current
// directory (empty path means the current directory).
std::filesystem::path usableDressingDir(const std::string& dir);

}  // namespace delvora
