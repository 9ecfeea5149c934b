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
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
  if (aligned > start) ::munmap(mapped, aligned - start);
  const std::size_t after = start + kHugePage - aligned;
  if (after > 0) ::munmap(reinterpret_cast<void*>(aligned + length), after);
#ifdef MADV_HUGEPAGE
  // Only a wish: without huge pages the mapping works with small ones.
  ::madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
#endif
  return reinterpret_cast<void*>(aligned);
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
