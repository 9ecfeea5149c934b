#include "engine/text.h"

#include <algorithm>
#include <utility>

namespace delvora {

namespace {

bool isBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

unsigned char lower(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

}  // namespace

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

int compareNoCase(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    // Records are mostly digits: equal bytes need no case folding.
    if (a[i] == b[i]) continue;
    const unsigned char ca = lower(a[i]);
    const unsigned char cb = lower(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && compareNoCase(a, b) == 0;
}

void LineSplitter::feed(std::string_view bytes) {
  for (const char c : bytes) {
    if (c == '\n') {
      // The LF of a CR LF pair: the CR already ended the line.
      if (!std::exchange(m_lastWasCr, false)) m_lines.push_back(std::exchange(m_line, {}));
      continue;
    }
    m_lastWasCr = c == '\r';
    if (m_lastWasCr) {
      m_lines.push_back(std::exchange(m_line, {}));
    } else {
      m_line += c;
    }
  }
}

void LineSplitter::finish() {
  if (!m_line.empty()) m_lines.push_back(std::exchange(m_line, {}));
  m_lastWasCr = false;
}

std::vector<std::string> LineSplitter::takeLines() {
  return std::exchange(m_lines, {});
}

std::vector<std::string> splitLines(std::string_view text) {
  LineSplitter splitter;
  splitter.feed(text);
  splitter.finish();
  return splitter.takeLines();
}

}  // namespace delvora
