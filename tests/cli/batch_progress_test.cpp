#include "cli/batch_progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace delvora {
namespace {

using std::chrono::milliseconds;

// A clock the test moves by hand.
struct FakeClock {
  std::chrono::steady_clock::time_point now{};
  BatchProgress::Clock function() {
    return [this] { return now; };
  }
};

TEST(BatchProgress, AppearsOnATerminalOnlyAfterASecond) {
  for (const bool terminal : {true, false}) {
    FakeClock clock;
    std::ostringstream err;
    BatchProgress progress(err, terminal, 100, clock.function());
    progress.update(1, 500);
    clock.now += milliseconds(900);
    progress.update(2, 501);
    EXPECT_EQ(err.str(), "") << "a short batch shows nothing";
    clock.now += milliseconds(200);
    progress.update(3, 502);
    clock.now += milliseconds(10);
    progress.update(4, 503);
    clock.now += milliseconds(200);
    progress.update(5, 504);
    progress.finish();
    if (!terminal) {
      EXPECT_EQ(err.str(), "");
      continue;
    }
    EXPECT_EQ(err.str(),
              "\rdelvora-cli: map 3 of 100, seed 502\033[K"
              "\rdelvora-cli: map 5 of 100, seed 504\033[K"
              "\rdelvora-cli: map 5 of 100, seed 504\033[K\n")
        << "redrawn at most every 100 ms, ended with a newline";
  }
}

TEST(BatchProgress, MessagesTakeTheLineAndItIsDrawnAgainAfter) {
  FakeClock clock;
  std::ostringstream err;
  BatchProgress progress(err, true, 2, clock.function());
  progress.print("seed 1: warning: early\n");
  clock.now += milliseconds(1500);
  progress.update(1, 1);
  progress.print("seed 2: warning: late\n");
  progress.update(2, 2);
  progress.finish();
  EXPECT_EQ(err.str(),
            "seed 1: warning: early\n"
            "\rdelvora-cli: map 1 of 2, seed 1\033[K"
            "\r\033[Kseed 2: warning: late\n"
            "\rdelvora-cli: map 1 of 2, seed 1\033[K"
            "\rdelvora-cli: map 2 of 2, seed 2\033[K"
            "\rdelvora-cli: map 2 of 2, seed 2\033[K\n");
}

}  // namespace
}  // namespace delvora
