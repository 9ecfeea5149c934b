#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <utility>

#include "engine/uninitialized_allocator.h"

namespace delvora {

// Big pixel buffers are mapped in whole 2 MB pages, which the system backs with huge pages where
// it can (transparent huge pages, asked for per mapping); smaller ones come from the heap. A fresh
// 4 KB page costs a fault of several microseconds, and the largest map's picture is nearly a
// thousand of them, more than its whole generation; as two huge pages it costs two faults.
// Throws std::bad_alloc when the memory cannot be mapped. Where there are no such mappings (the
// WebAssembly build) they come from the heap too.
void* allocateHugePages(std::size_t bytes);
void freeHugePages(void* pointer, std::size_t bytes) noexcept;
// Buffers from this size on are mapped in huge pages.
inline constexpr std::size_t kHugePageWorthy = std::size_t{1} << 20;

// The allocator of pixel storage: big buffers on huge pages, and new elements left uninitialised
// (a bitmap about to be painted all over would otherwise be written once more for nothing).
template <typename T>
struct PixelAllocator : UninitializedAllocator<T> {
  using value_type = T;

  PixelAllocator() = default;
  template <typename U>
  PixelAllocator(const PixelAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) {
    const std::size_t bytes = count * sizeof(T);
    if (bytes >= kHugePageWorthy) return static_cast<T*>(allocateHugePages(bytes));
    return std::allocator<T>().allocate(count);
  }
  void deallocate(T* pointer, std::size_t count) noexcept {
    const std::size_t bytes = count * sizeof(T);
    if (bytes >= kHugePageWorthy) {
      freeHugePages(pointer, bytes);
      return;
    }
    std::allocator<T>().deallocate(pointer, count);
  }

  template <typename U>
  bool operator==(const PixelAllocator<U>&) const noexcept {
    return true;
  }
};

}  // namespace delvora
