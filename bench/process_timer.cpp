// Times whole runs of a program: delvora_process_timer RUNS PROGRAM [ARGS...] starts it RUNS
// times (after three runs to warm the caches), its output thrown away, and prints the minimum,
// median and maximum wall time from start to exit in milliseconds. Exits 1 when a run fails.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kWarmUpRuns = 3;

// One run's wall time in milliseconds, or a negative value when it did not exit with 0.
double timeOneRun(char** argv) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  if (waitpid(child, &status, 0) != child) return -1;
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<double> times;
  for (int run = 0; run < kWarmUpRuns + runs; ++run) {
    const double ms = timeOneRun(argv + 2);
    if (ms < 0) {
      std::fprintf(stderr, "%s failed\n", argv[2]);
      return 1;
    }
    if (run >= kWarmUpRuns) times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  const std::size_t middle = times.size() / 2;
  const double median =
      times.size() % 2 == 1 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
  std::printf("min %.2f ms  median %.2f ms  max %.2f ms  (%d runs)\n", times.front(), median,
              times.back(), runs);
  return 0;
}
