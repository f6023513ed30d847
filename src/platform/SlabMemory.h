#pragma once
// Whole slabs for SlabArena, from the system: kSlabSize bytes, aligned to
// kSlabSize.

#include <cstddef>

namespace tarnix {

inline constexpr std::size_t kSlabSize = 64 * 1024;

// Null when the system has no memory to give.
void* AllocateSlab() noexcept;
void FreeSlab(void* slab) noexcept;

}  // namespace tarnix
