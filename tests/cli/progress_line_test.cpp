// The progress line of long writes: quiet for a second and off a terminal, then in place.
#include "cli/progress_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace delvora {
namespace {

using Clock = std::chrono::steady_clock;

struct FakeTime {
  Clock::time_point now{};
  ProgressLine::Clock clock() {
    return [this] { return now; };
  }
};

TEST(ProgressLine, ShowsOnATerminalOnlyAfterASecond) {
  FakeTime time;
  std::ostringstream out;
  ProgressLine line(out, "big.png", true, time.clock());
  line.update(10, 100);
  time.now += std::chrono::milliseconds(900);
  line.update(20, 100);
  EXPECT_EQ(out.str(), "") << "quick writes say nothing";
  time.now += std::chrono::milliseconds(200);
  line.update(30, 100);
  line.update(30, 100);
  line.update(31, 100);
  line.finish();
  EXPECT_EQ(out.str(), "\rwriting big.png: 30%\rwriting big.png: 31%\rwriting big.png: done\n");
}

TEST(ProgressLine, QuietOffATerminalAndForQuickWrites) {
  FakeTime time;
  std::ostringstream out;
  {
    ProgressLine line(out, "a.png", false, time.clock());
    time.now += std::chrono::seconds(5);
    line.update(50, 100);
    line.finish();
  }
  {
    ProgressLine line(out, "b.png", true, time.clock());
    line.update(100, 100);
    line.finish();
  }
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace delvora
