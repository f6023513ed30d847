#include "platform/SlabMemory.h"

#include <cstdlib>

namespace tarnix {

void* AllocateSlab() noexcept { return std::aligned_alloc(kSlabSize, kSlabSize); }

void FreeSlab(void* slab) noexcept { std::free(slab); }

}  // namespace tarnix
