#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace delvora::testing {

// Aborts the process, naming the run, when one run takes longer than its bound: a hang fails
// the test at once with the case that caused it instead of waiting for the test's time-out.
class RunWatchdog {
 public:
  explicit RunWatchdog(std::chrono::seconds bound)
      : m_bound(bound), m_thread([this] { watch(); }) {}
  ~RunWatchdog() {
    {
      const std::lock_guard lock(m_mutex);
      m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
  }
  RunWatchdog(const RunWatchdog&) = delete;
  RunWatchdog& operator=(const RunWatchdog&) = delete;

  // Starts the clock for the run described.
  void arm(std::string description) {
    const std::lock_guard lock(m_mutex);
    m_description = std::move(description);
    m_deadline = std::chrono::steady_clock::now() + m_bound;
    m_armed = true;
    m_wake.notify_one();
  }
  void disarm() {
    const std::lock_guard lock(m_mutex);
    m_armed = false;
  }

 private:
  void watch() {
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
      if (!m_armed) {
        m_wake.wait(lock);
        continue;
      }
      if (m_wake.wait_until(lock, m_deadline) == std::cv_status::timeout && m_armed &&
          std::chrono::steady_clock::now() >= m_deadline) {
        std::fprintf(stderr, "run did not end within %lld s: %s\n",
                     static_cast<long long>(m_bound.count()), m_description.c_str());
        std::abort();
      }
    }
  }

  std::chrono::seconds m_bound;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::string m_description;
  std::chrono::steady_clock::time_point m_deadline;
  bool m_armed = false;
  bool m_stop = false;
  std::thread m_thread;
};

}  // namespace delvora::testing
