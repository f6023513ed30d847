// Slabs on Windows: VirtualAlloc hands out memory in 64 KiB steps, aligned
// to them, so a slab wastes nothing (an aligned heap block would take twice
// its size).
#include "platform/SlabMemory.h"

#include <windows.h>

namespace tarnix {

static_assert(kSlabSize == 64 * 1024, "the allocation granularity of Windows");

void* AllocateSlab() noexcept { return VirtualAlloc(nullptr, kSlabSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE); }

void FreeSlab(void* slab) noexcept { VirtualFree(slab, 0, MEM_RELEASE); }

}  // namespace tarnix
