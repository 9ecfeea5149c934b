#pragma once

#include <string>
#include <utility>
#include <vector>

namespace delvora {

// A dressing file held in memory: the name it is matched by ("Items.txt") and its bytes.
struct NamedBytes {
  std::string name;
  std::string bytes;
};

// Where a dressing load finds its files: a folder (empty: the working folder), or files held in
// memory, such as the web page's uploads. Names match the same way in both.
struct DressingSource {
  std::string folder;
  std::vector<NamedBytes> files;
  bool inMemory = false;

  static DressingSource fromFolder(std::string folder) { return {std::move(folder), {}, false}; }
  static DressingSource fromFiles(std::vector<NamedBytes> files) {
    return {{}, std::move(files), true};
  }
};

// The index in candidates of the name that equals name without regard to ASCII letter case: an
// exact match wins, then the first in byte order; -1 when none matches.
int pickDressingName(const std::vector<std::string>& candidates, const std::string& name);

}  // namespace delvora
