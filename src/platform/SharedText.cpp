#include "platform/SharedText.h"

#include "platform/SlabArena.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace tarnix {

SharedText::Block* SharedText::Fill(void* memory, TextView text, std::uint32_t flags) noexcept {
  Block* block = new (memory) Block{{1}, static_cast<std::uint32_t>(text.size()) | flags};
  std::memcpy(block->Units(), text.data(), text.size() * sizeof(char16_t));
  return block;
}

SharedText::SharedText(TextView text) {
  if (text.empty()) return;
  if (text.size() >= Block::kInSlab) throw std::length_error("text too long");
  void* memory = std::malloc(sizeof(Block) + text.size() * sizeof(char16_t));
  if (memory == nullptr) throw std::bad_alloc();
  block_ = Fill(memory, text, 0);
}

SharedText::SharedText(TextView text, SlabArena& slabs) {
  const std::size_t bytes = sizeof(Block) + text.size() * sizeof(char16_t);
  if (text.empty() || bytes > SlabArena::kLargestBlock) {
    *this = SharedText(text);
    return;
  }
  block_ = Fill(slabs.Allocate(bytes), text, Block::kInSlab);
}

SharedText::SharedText(const SharedText& other) noexcept : block_(other.block_) {
  if (block_) block_->owners.fetch_add(1, std::memory_order_relaxed);
}

SharedText& SharedText::operator=(const SharedText& other) noexcept {
  if (other.block_) other.block_->owners.fetch_add(1, std::memory_order_relaxed);
  Release();
  block_ = other.block_;
  return *this;
}

SharedText& SharedText::operator=(SharedText&& other) noexcept {
  if (this != &other) {
    Release();
    block_ = other.block_;
    other.block_ = nullptr;
  }
  return *this;
}

void SharedText::Release() noexcept {
  if (block_ && block_->owners.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    const bool inSlab = (block_->size & Block::kInSlab) != 0;
    block_->~Block();
    if (inSlab) {
      SlabArena::Release(block_);
    } else {
      std::free(block_);
    }
  }
  block_ = nullptr;
}

}  // namespace tarnix
