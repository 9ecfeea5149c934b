#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string_view>

namespace delvora {

// The one line of a --count batch's progress on a terminal ("delvora-cli: map 37 of 100, seed
// 42"), rewritten in place. It appears only once the batch has run for a second, so short batches
// and output that is not a terminal see nothing of it.
class BatchProgress {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  BatchProgress(std::ostream& err, bool terminal, int total,
                Clock clock = std::chrono::steady_clock::now);

  // Map number done (1-based) has been made from seed.
  void update(int done, std::uint32_t seed);
  // Writes text (whole lines) to err, the progress line cleared first and drawn again after.
  void print(std::string_view text);
  // Ends the line once the batch is over.
  void finish();

 private:
  void draw();
  void clear();

  std::ostream& m_err;
  bool m_terminal;
  int m_total;
  Clock m_clock;
  std::chrono::steady_clock::time_point m_start;
  std::chrono::steady_clock::time_point m_lastDrawn;
  bool m_shown = false;
  int m_done = 0;
  std::uint32_t m_seed = 0;
};

}  // namespace delvora
