#include "dressing/dressing_file.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "dressing/dressing_source.h"

namespace delvora {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

}  // namespace

void DressingFileParser::feed(std::string_view bytes) {
  while (m_atStart && !bytes.empty()) {
    m_head += bytes.front();
    bytes.remove_prefix(1);
    if (!kBom.starts_with(m_head)) {
      // Not a BOM after all: the held bytes are ordinary text.
      m_atStart = false;
      m_lines.feed(std::exchange(m_head, {}));
    } else if (m_head.size() == kBom.size()) {
      m_atStart = false;
      m_head.clear();
    }
  }
  m_lines.feed(bytes);
}

void DressingFileParser::finish() {
  if (m_atStart) {
    // A file shorter than a BOM that starts like one.
    m_atStart = false;
    m_lines.feed(std::exchange(m_head, {}));
  }
  m_lines.finish();
}

std::vector<std::string> DressingFileParser::takeEntries() {
  std::vector<std::string> entries;
  for (const std::string& line : m_lines.takeLines()) {
    const std::string_view text = trimmed(line);
    if (!text.starts_with("/*")) entries.emplace_back(text);
  }
  return entries;
}

DressingFileCount countDressingEntries(std::string_view bytes) {
  DressingFileParser parser;
  parser.feed(bytes);
  parser.finish();
  DressingFileCount count;
  for (const std::string& entry : parser.takeEntries()) {
    ++count.entries;
    if (entry.empty()) ++count.empty;
  }
  return count;
}

std::vector<std::filesystem::path> findDressingFiles(const std::filesystem::path& dir,
                                                     const std::vector<std::string_view>& names) {
  namespace fs = std::filesystem;
  // Only the names of files that match one of the names are kept from the listing.
  std::vector<std::string> candidates;
  std::error_code error;
  fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::string candidate = it->path().filename().string();
    const bool wanted = std::any_of(names.begin(), names.end(), [&](std::string_view name) {
      return equalsNoCase(candidate, name);
    });
    std::error_code kindError;
    if (wanted && !it->is_directory(kindError)) candidates.push_back(std::move(candidate));
  }
  std::vector<fs::path> found;
  for (const std::string_view name : names) {
    const int pick = pickDressingName(candidates, std::string(name));
    if (pick < 0) {
      found.emplace_back();
      continue;
    }
    const std::string& file = candidates[static_cast<std::size_t>(pick)];
    found.push_back(dir.empty() ? fs::path(file) : dir / file);
  }
  return found;
}

int pickDressingName(const std::vector<std::string>& candidates, const std::string& name) {
  int best = -1;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const std::string& candidate = candidates[i];
    if (!equalsNoCase(candidate, name)) continue;
    if (candidate == name) return static_cast<int>(i);
    if (best < 0 || candidate < candidates[static_cast<std::size_t>(best)]) {
      best = static_cast<int>(i);
    }
  }
  return best;
}

std::filesystem::path findDressingFile(const std::filesystem::path& dir, std::string_view name) {
  return findDressingFiles(dir, {name}).front();
}

std::filesystem::path usableDressingDir(const std::string& dir) {
  if (dir.empty()) return {};
  std::error_code error;
  const std::filesystem::directory_iterator probe(dir, error);
  return error ? std::filesystem::path() : std::filesystem::path(dir);
}

}  // namespace delvora
