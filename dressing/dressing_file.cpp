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

std::filesystem::path findDressingFile(const std::filesystem::path& dir, std::string_view name) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, error);
  std::string best;
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const std::string candidate = it->path().filename().string();
    std::error_code kindError;
    if (!equalsNoCase(candidate, name) || it->is_directory(kindError)) continue;
    if (candidate == name) {
      best = candidate;
      break;
    }
    if (best.empty() || candidate < best) best = candidate;
  }
  if (best.empty()) return {};
  return dir.empty() ? fs::path(best) : dir / best;
}

std::filesystem::path usableDressingDir(const std::string& dir) {
  if (dir.empty()) return {};
  std::error_code error;
  const std::filesystem::directory_iterator probe(dir, error);
  return error ? std::filesystem::path() : std::filesystem::path(dir);
}

}  // namespace delvora
