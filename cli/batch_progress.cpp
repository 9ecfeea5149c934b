#include "cli/batch_progress.h"

#include <utility>

namespace delvora {

namespace {

constexpr std::chrono::seconds kQuietStart{1};
// Redrawing more often than this only costs time.
constexpr std::chrono::milliseconds kRedrawEvery{100};

}  // namespace

BatchProgress::BatchProgress(std::ostream& err, bool terminal, int total, Clock clock)
    : m_err(err), m_terminal(terminal), m_total(total), m_clock(std::move(clock)) {
  m_start = m_clock();
}

void BatchProgress::update(int done, std::uint32_t seed) {
  m_done = done;
  m_seed = seed;
  if (!m_terminal) return;
  const auto now = m_clock();
  if (now - m_start < kQuietStart) return;
  if (m_shown && now - m_lastDrawn < kRedrawEvery && done < m_total) return;
  draw();
  m_lastDrawn = now;
}

void BatchProgress::print(std::string_view text) {
  if (text.empty()) return;
  clear();
  m_err << text << std::flush;
  if (m_shown) draw();
}

void BatchProgress::finish() {
  if (!m_shown) return;
  draw();
  m_err << '\n' << std::flush;
  m_shown = false;
}

void BatchProgress::draw() {
  // \033[K erases what a longer earlier line left to the right.
  m_err << "\rdelvora-cli: map " << m_done << " of " << m_total << ", seed " << m_seed << "\033[K"
        << std::flush;
  m_shown = true;
}

void BatchProgress::clear() {
  if (m_shown) m_err << "\r\033[K";
}

}  // namespace delvora
