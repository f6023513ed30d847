#include "model/EntryList.h"

#include <tuple>
#include <utility>

#include "platform/Failure.h"

namespace tarnix {

void EntryList::Append(Entry entry, TextView key) {
  const Text* storedKey = nullptr;
  KeyIndex::iterator slot = keys_.end();
  if (!key.empty()) {
    bool inserted = false;
    std::tie(slot, inserted) = keys_.try_emplace(Text(key), entry);
    if (!inserted) throw ClassicFailure(Classic::DuplicateKey);
    storedKey = &slot->first;
  }
  try {
    records_.push_back(Record{std::move(entry), storedKey});
  } catch (...) {
    if (slot != keys_.end()) keys_.erase(slot);
    throw;
  }
}

const EntryList::Entry& EntryList::At(std::int32_t position) const {
  if (position < 1 || position > Count()) throw ClassicFailure(Classic::SubscriptOutOfRange);
  return records_[static_cast<std::size_t>(position - 1)].entry;
}

const EntryList::Entry& EntryList::Find(TextView key) const {
  auto found = keys_.find(key);
  if (found == keys_.end()) throw ClassicFailure(Classic::InvalidProcedureCall);
  return found->second;
}

void EntryList::RemoveAt(std::int32_t position) {
  if (position < 1 || position > Count()) throw ClassicFailure(Classic::SubscriptOutOfRange);
  EraseRecord(static_cast<std::size_t>(position - 1));
}

void EntryList::Remove(TextView key) {
  auto found = keys_.find(key);
  if (found == keys_.end()) throw ClassicFailure(Classic::InvalidProcedureCall);
  for (std::size_t offset = 0; offset < records_.size(); ++offset) {
    if (records_[offset].entry == found->second) {
      EraseRecord(offset);
      return;
    }
  }
}

void EntryList::EraseRecord(std::size_t offset) {
  const Text* key = records_[offset].key;
  // By position in the index: the key text lives in the node being erased.
  if (key != nullptr) keys_.erase(keys_.find(*key));
  records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(offset));
}

void EntryList::Clear() {
  // Release the entries before the keys their records point to.
  std::deque<Record> released;
  released.swap(records_);
  released.clear();
  keys_.clear();
}

std::vector<EntryList::Entry> EntryList::Snapshot() const {
  std::vector<Entry> entries;
  entries.reserve(records_.size());
  for (const Record& record : records_) entries.push_back(record.entry);
  return entries;
}

}  // namespace tarnix
