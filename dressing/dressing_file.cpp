#include "dressing/dressing_file.h"

#include <system_error>
#include <utility>

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

std::vector<std::filesystem::path> findDressingFiles(const std::filesystem::path& dir,
                                                     const std::vector<std::string_view>& names) {
  namespace fs = std::filesystem;
  std::vector<std::string> best(names.size());
  std::vector<bool> exact(names.size(), false);
  std::error_code error;
  fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const std::string candidate = it->path().filename().string();
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (exact[i] || !equalsNoCase(candidate, names[i])) continue;
      std::error_code kindError;
      if (it->is_directory(kindError)) continue;
      if (candidate == names[i]) {
        best[i] = candidate;
        exact[i] = true;
      } else if (best[i].empty() || candidate < best[i]) {
        best[i] = candidate;
      }
    }
  }
  std::vector<fs::path> found;
  for (const std::string& name : best) {
    if (name.empty()) {
      found.emplace_back();
    } else {
      found.push_back(dir.empty() ? fs::path(name) : dir / name);
    }
  }
  return found;
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
