#pragma once
// Text that many owners share without copying it: fixed once made, counted,
// and freed with its last owner. A listing gives all its entries one folder
// text this way, and the entry list keys an entry by the very text its name
// was added with. Assigning makes an owner hold other text and leaves the
// text it held before as it was, for whoever else holds it: so a script may
// rename an entry while the list keeps the key the entry was added under.

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "platform/Text.h"

namespace tarnix {

class SlabArena;

class SharedText {
 public:
  SharedText() noexcept = default;
  SharedText(TextView text);
  SharedText(const Text& text) : SharedText(TextView(text)) {}
  SharedText(const char16_t* text) : SharedText(TextView(text)) {}
  // The text in a block of `slabs` when it is short enough, else on the heap.
  SharedText(TextView text, SlabArena& slabs);
  SharedText(const SharedText& other) noexcept;
  SharedText(SharedText&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
  SharedText& operator=(const SharedText& other) noexcept;
  SharedText& operator=(SharedText&& other) noexcept;
  ~SharedText() { Release(); }

  TextView View() const noexcept { return block_ ? TextView(block_->Units(), block_->Length()) : TextView(); }
  operator TextView() const noexcept { return View(); }
  operator Text() const { return Text(View()); }
  std::size_t size() const noexcept { return block_ ? block_->Length() : 0; }
  bool empty() const noexcept { return size() == 0; }

  // Whether both hold the very same text, not merely equal texts.
  bool SameTextAs(const SharedText& other) const noexcept { return block_ == other.block_; }

  // Found only for a SharedText operand, so that comparisons of other texts
  // never turn into SharedText ones.
  friend bool operator==(const SharedText& a, const SharedText& b) noexcept { return a.View() == b.View(); }
  friend bool operator==(const SharedText& a, TextView b) noexcept { return a.View() == b; }
  friend bool operator==(const SharedText& a, const Text& b) noexcept { return a.View() == TextView(b); }
  friend bool operator==(const SharedText& a, const char16_t* b) noexcept { return a.View() == TextView(b); }

 private:
  // One allocation: the count, the length, then the units. The top bit of
  // `size` marks a block carved from a slab.
  struct Block {
    static constexpr std::uint32_t kInSlab = 0x80000000u;
    std::atomic<std::uint32_t> owners;
    std::uint32_t size;
    std::size_t Length() const noexcept { return size & ~kInSlab; }
    char16_t* Units() const noexcept { return reinterpret_cast<char16_t*>(const_cast<Block*>(this) + 1); }
  };
  static Block* Fill(void* memory, TextView text, std::uint32_t flags) noexcept;
  void Release() noexcept;

  Block* block_ = nullptr;  // null for the empty text
};

}  // namespace tarnix
