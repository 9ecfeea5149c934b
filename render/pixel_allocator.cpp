#include "render/pixel_allocator.h"

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <sys/mman.h>
#define DELVORA_MAP_HUGE_PAGES 1
#endif

#include <cstdint>

namespace delvora {

#ifdef DELVORA_MAP_HUGE_PAGES

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t wholeHugePages(std::size_t bytes) {
  return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

}  // namespace

void* allocateHugePages(std::size_t bytes) {
  const std::size_t length = wholeHugePages(bytes);
  // Mapped with a huge page to spare, then cut to a huge page boundary at both ends.
  void* const mapped = ::mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  // Offsets from the mapping keep the pointer derived from it (no integer-to-pointer cast).
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::size_t before = (kHugePage - start % kHugePage) % kHugePage;
  char* const aligned = static_cast<char*>(mapped) + before;
  if (before > 0) ::munmap(mapped, before);
  const std::size_t after = kHugePage - before;
  if (after > 0) ::munmap(aligned + length, after);
#ifdef MADV_HUGEPAGE
  // Only a wish: without huge pages the mapping works with small ones.
  ::madvise(aligned, length, MADV_HUGEPAGE);
#endif
  return aligned;
}

void freeHugePages(void* pointer, std::size_t bytes) noexcept {
  ::munmap(pointer, wholeHugePages(bytes));
}

#else

// Elsewhere (the WebAssembly build among them) big buffers come from the heap like small ones.
void* allocateHugePages(std::size_t bytes) {
  return ::operator new(bytes);
}

void freeHugePages(void* pointer, std::size_t) noexcept {
  ::operator delete(pointer);
}

#endif

}  // namespace delvora
