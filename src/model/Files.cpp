#include "model/Files.h"

#include <utility>

#include "platform/Failure.h"
#include "platform/Trap.h"

namespace tarnix {
namespace {

// A text variant selects by key, even when it spells a number; anything else
// selects by position, converted as a variant converts to a 32-bit integer.
template <class ByPosition, class ByKey>
decltype(auto) Select(const Value& indexKey, ByPosition&& byPosition, ByKey&& byKey) {
  if (indexKey.IsText()) return byKey(indexKey.ToText());
  return byPosition(indexKey.ToInt32());
}

}  // namespace

Files::~Files() { entries_.Clear(); }

std::shared_ptr<File> Files::Add(SharedText fpath, SharedText name, std::int32_t attributes, std::int32_t size,
                                 ModifiedText modified) {
  return RunTrapped(LastError, [&] {
    auto entry = std::allocate_shared<File>(SlabAllocator<File>(slabs_));
    entry->Name = std::move(name);
    entry->Attributes = attributes;
    entry->Size = size;
    entry->Modified = std::move(modified);
    entry->Path = std::move(fpath);
    entries_.Append(entry, entry->Name);
    Sorted = false;
    return entry;
  });
}

std::shared_ptr<File> Files::Item(const Value& indexKey) const {
  if (!Sorted) {
    return Select(
        indexKey, [&](std::int32_t position) { return entries_.At(position); },
        [&](const Text& key) { return entries_.Find(key); });
  }
  std::int32_t place = indexKey.ToInt32();
  if (!sortTable_ || place < 0 || static_cast<std::size_t>(place) >= sortTable_->size()) {
    throw ClassicFailure(Classic::SubscriptOutOfRange);
  }
  return entries_.At((*sortTable_)[static_cast<std::size_t>(place)]);
}

void Files::Remove(const Value& indexKey) {
  Select(
      indexKey, [&](std::int32_t position) { entries_.RemoveAt(position); },
      [&](const Text& key) { entries_.Remove(key); });
  Sorted = false;
}

bool Files::ClearFileList() {
  return RunTrapped(LastError, [&] {
    entries_.Clear();
    Sorted = false;
    return true;
  });
}

}  // namespace tarnix
