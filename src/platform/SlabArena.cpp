#include "platform/SlabArena.h"

#include <mutex>
#include <new>
#include <vector>

#include "platform/SlabMemory.h"

namespace tarnix {

// At the start of each slab, which is aligned to its size, so that a block
// finds its slab by its address.
struct SlabArena::Slab {
  // The blocks carved and not yet released, plus one while the arena
  // still carves from this slab.
  std::atomic<std::uint32_t> live;
};

namespace {

constexpr std::size_t kAlignment = alignof(std::max_align_t);
constexpr std::size_t kHeader = (sizeof(std::atomic<std::uint32_t>) + kAlignment - 1) / kAlignment * kAlignment;

static_assert((kSlabSize & (kSlabSize - 1)) == 0, "slabs are aligned to their power-of-two size");
static_assert(kHeader + SlabArena::kLargestBlock <= kSlabSize);

// Slabs whose blocks are all gone wait here, up to 4 MiB of them, for the
// next listing: a server lists again and again, and memory the system has
// to hand out anew costs a page fault a page. Entries may go on any thread.
class SpareSlabs {
 public:
  void* Take() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (!spare_.empty()) {
        void* slab = spare_.back();
        spare_.pop_back();
        return slab;
      }
    }
    return AllocateSlab();
  }

  void Give(void* slab) noexcept {
    try {
      std::lock_guard<std::mutex> lock(mutex_);
      if (spare_.size() < kMostSpare) {
        spare_.push_back(slab);
        return;
      }
    } catch (...) {  // no room to keep it: let it go
    }
    FreeSlab(slab);
  }

 private:
  static constexpr std::size_t kMostSpare = 4 * 1024 * 1024 / kSlabSize;
  std::mutex mutex_;
  std::vector<void*> spare_;
};

SpareSlabs& Spare() {
  static SpareSlabs* spare = new SpareSlabs();  // never destroyed: entries may outlive static objects
  return *spare;
}

}  // namespace

SlabArena::~SlabArena() {
  if (current_ != nullptr) Drop(current_);
}

void* SlabArena::Allocate(std::size_t bytes) {
  bytes = (bytes + kAlignment - 1) / kAlignment * kAlignment;
  if (current_ == nullptr || used_ + bytes > kSlabSize) {
    void* memory = Spare().Take();
    if (memory == nullptr) throw std::bad_alloc();
    if (current_ != nullptr) Drop(current_);
    current_ = new (memory) Slab{{1}};
    used_ = kHeader;
  }
  void* block = reinterpret_cast<char*>(current_) + used_;
  used_ += bytes;
  current_->live.fetch_add(1, std::memory_order_relaxed);
  return block;
}

void SlabArena::Release(void* block) noexcept {
  const auto address = reinterpret_cast<std::uintptr_t>(block);
  Drop(reinterpret_cast<Slab*>(address & ~static_cast<std::uintptr_t>(kSlabSize - 1)));
}

void SlabArena::Drop(Slab* slab) noexcept {
  if (slab->live.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    slab->~Slab();
    Spare().Give(slab);
  }
}

}  // namespace tarnix
