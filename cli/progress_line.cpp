#include "cli/progress_line.h"

#include <utility>

namespace delvora {

namespace {

constexpr std::chrono::seconds kQuietTime{1};

}  // namespace

ProgressLine::ProgressLine(std::ostream& out, std::string label, bool onTerminal, Clock clock)
    : m_out(out),
      m_label(std::move(label)),
      m_onTerminal(onTerminal),
      m_clock(std::move(clock)),
      m_start(m_onTerminal ? m_clock() : std::chrono::steady_clock::time_point{}) {}

void ProgressLine::update(long long done, long long total) {
  if (!m_onTerminal || total <= 0) return;
  const int percent = static_cast<int>(done * 100 / total);
  if (percent == m_shown) return;
  if (m_shown < 0 && m_clock() - m_start < kQuietTime) return;
  m_shown = percent;
  m_out << "\rwriting " << m_label << ": " << percent << '%' << std::flush;
}

void ProgressLine::finish() {
  if (m_shown < 0) return;
  m_out << "\rwriting " << m_label << ": done\n" << std::flush;
  m_shown = -1;
}

}  // namespace delvora
