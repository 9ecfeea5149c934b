#include "dressing/dressing_file.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace delvora {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

void DressingFileParser::feed(std::string_view bytes) {
  for (const char c : bytes) {
    if (!m_atStart) {
      put(c);
      continue;
    }
    m_head += c;
    if (kBom.starts_with(m_head)) {
      if (m_head.size() == kBom.size()) {
        m_atStart = false;
        m_head.clear();
      }
      continue;
    }
    // Not a BOM after all: the held bytes are ordinary text.
    m_atStart = false;
    for (const char held : std::exchange(m_head, {})) put(held);
  }
}

void DressingFileParser::finish() {
  if (m_atStart) {
    // A file shorter than a BOM that starts like one.
    m_atStart = false;
    for (const char held : std::exchange(m_head, {})) put(held);
  }
  if (m_lineOpen) endLine();
}

std::vector<std::string> DressingFileParser::takeEntries() {
  return std::exchange(m_entries, {});
}

void DressingFileParser::put(char c) {
  if (c == '\n') {
    // The LF of a CR LF pair: the CR already ended the line.
    if (!std::exchange(m_lastWasCr, false)) endLine();
    return;
  }
  m_lastWasCr = c == '\r';
  if (m_lastWasCr) {
    endLine();
    return;
  }
  m_line += c;
  m_lineOpen = true;
}

void DressingFileParser::endLine() {
  const std::string_view text = trimmed(m_line);
  if (!text.starts_with("/*")) m_entries.emplace_back(text);
  m_line.clear();
  m_lineOpen = false;
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
