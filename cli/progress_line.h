#pragma once

#include <chrono>
#include <functional>
#include <ostream>
#include <string>

namespace delvora {

// A progress line for long writes on a terminal: silent for the first second, then
// "writing FILE: N%" rewritten in place, and "done" at the end. Quiet when not on a terminal.
class ProgressLine {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  ProgressLine(std::ostream& out, std::string label, bool onTerminal,
               Clock clock = std::chrono::steady_clock::now);
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  // done of total parts finished.
  void update(long long done, long long total);
  // Ends the line if one was shown.
  void finish();

 private:
  std::ostream& m_out;
  std::string m_label;
  bool m_onTerminal;
  Clock m_clock;
  std::chrono::steady_clock::time_point m_start;
  int m_shown = -1;
};

}  // namespace delvora
