#pragma once
// Memory for many small blocks that mostly live and die together, the
// entries of a listing and their names: carved one after another from 64 KiB
// slabs instead of taken from the heap one by one. A slab goes back when its
// last block does, so a block may outlive the arena that carved it (an entry
// a script keeps outlives its list); the room of a released block is not
// reused before its whole slab is released.

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace tarnix {

class SlabArena {
 public:
  // Blocks larger than this come from the heap instead.
  static constexpr std::size_t kLargestBlock = 2048;

  SlabArena() = default;
  ~SlabArena();
  SlabArena(const SlabArena&) = delete;
  SlabArena& operator=(const SlabArena&) = delete;

  // A block of `bytes` (at most kLargestBlock), aligned for any object.
  void* Allocate(std::size_t bytes);
  // Gives a block back; its slab is freed with its last block.
  static void Release(void* block) noexcept;

 private:
  struct Slab;
  static void Drop(Slab* slab) noexcept;

  Slab* current_ = nullptr;
  std::size_t used_ = 0;  // bytes of the current slab carved so far
};

// An allocator over a SlabArena, for std::allocate_shared: the arena is used
// only to allocate, so a block can be deallocated after the arena is gone.
template <class T>
struct SlabAllocator {
  using value_type = T;

  explicit SlabAllocator(SlabArena& slabs) noexcept : arena(&slabs) {}
  template <class U>
  SlabAllocator(const SlabAllocator<U>& other) noexcept : arena(other.arena) {}

  T* allocate(std::size_t count) {
    static_assert(sizeof(T) <= SlabArena::kLargestBlock, "a slab block holds one such object");
    return static_cast<T*>(arena->Allocate(count * sizeof(T)));
  }
  void deallocate(T* block, std::size_t) noexcept { SlabArena::Release(block); }

  template <class U>
  bool operator==(const SlabAllocator<U>& other) const noexcept {
    return arena == other.arena;
  }

  SlabArena* arena;
};

}  // namespace tarnix
