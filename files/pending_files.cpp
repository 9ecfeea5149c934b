#include "files/pending_files.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>

namespace delvora {

namespace {

constexpr std::size_t kSlots = 16;
constexpr std::size_t kNameLength = 4096;

// A slot's name is written before it is marked used and cleared only after it is marked free,
// so the handler reads complete names.
struct Slot {
  std::atomic<bool> used{false};
  char name[kNameLength] = {};
};

std::array<Slot, kSlots> g_slots;
std::mutex g_claim;
std::once_flag g_installed;

void removePendingAndReraise(int signal) {
  for (Slot& slot : g_slots) {
    if (slot.used.load()) ::unlink(slot.name);
  }
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// Installs the handler only for signals whose disposition is still the default, so a program
// that handles them itself (or ignores them) keeps its own handling.
void installHandlers() {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
    struct sigaction action {};
    action.sa_handler = removePendingAndReraise;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
}

}  // namespace

int registerPendingFile(const char* name) {
  if (std::strlen(name) >= kNameLength) return -1;
  std::call_once(g_installed, installHandlers);
  const std::lock_guard lock(g_claim);
  for (std::size_t i = 0; i < kSlots; ++i) {
    Slot& slot = g_slots[i];
    if (slot.used.load()) continue;
    // The length was checked above; the slot holds the name and its terminating zero.
    std::memcpy(slot.name, name, std::strlen(name) + 1);
    slot.used.store(true);
    return static_cast<int>(i);
  }
  return -1;
}

void releasePendingFile(int slot) {
  if (slot < 0 || static_cast<std::size_t>(slot) >= kSlots) return;
  const std::lock_guard lock(g_claim);
  g_slots[static_cast<std::size_t>(slot)].used.store(false);
}

}  // namespace delvora
