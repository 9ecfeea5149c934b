#pragma once

#include <memory>
#include <utility>

namespace delvora {

// An allocator that leaves new elements of a vector of plain values uninitialised instead of
// zeroing them, for storage that is written all over before it is read: a bitmap about to be
// painted, a grid about to be cleared.
template <typename T>
struct UninitializedAllocator : std::allocator<T> {
  using std::allocator<T>::allocator;
  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

}  // namespace delvora
