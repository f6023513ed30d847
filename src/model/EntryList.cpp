#include "model/EntryList.h"

#include <utility>

#include "platform/Failure.h"

namespace tarnix {
namespace {

// The bits of the key's hash that pick its slot, spread over all 32.
std::uint32_t KeyHash(TextView key) {
  return static_cast<std::uint32_t>((HashIgnoringCase(key) * 0x9E3779B97F4A7C15ull) >> 32);
}

const EntryList::Entry kNoEntry;

}  // namespace

const EntryList::Entry& EntryList::KeyIndex::Find(TextView key) const {
  if (slots_.empty()) return kNoEntry;
  const std::uint32_t hash = KeyHash(key);
  for (std::size_t slot = Home(hash);; slot = Next(slot)) {
    const Entry& entry = slots_[slot];
    if (entry == nullptr) return kNoEntry;
    if (hashes_[slot] == hash && EqualIgnoringCase(entry->listedKey_, key)) return entry;
  }
}

bool EntryList::KeyIndex::Insert(const Entry& entry) {
  // At most four slots in five taken, so that probes stay short.
  if ((count_ + 1) * 5 > slots_.size() * 4) Grow();
  const std::uint32_t hash = KeyHash(entry->listedKey_);
  std::size_t slot = Home(hash);
  for (; slots_[slot] != nullptr; slot = Next(slot)) {
    if (hashes_[slot] == hash && EqualIgnoringCase(slots_[slot]->listedKey_, entry->listedKey_)) return false;
  }
  slots_[slot] = entry;
  hashes_[slot] = hash;
  ++count_;
  return true;
}

void EntryList::KeyIndex::Erase(const File* entry) {
  std::size_t slot = Home(KeyHash(entry->listedKey_));
  while (slots_[slot].get() != entry) slot = Next(slot);
  // Backward-shift deletion: pull later entries of the probe run into the
  // hole, so that no marker of a deleted slot is ever needed.
  std::size_t hole = slot;
  for (std::size_t next = Next(hole); slots_[next] != nullptr; next = Next(next)) {
    const std::size_t home = Home(hashes_[next]);
    // The entry at `next` may move to the hole when its home does not lie
    // in the cyclic range (hole, next].
    const bool homeBetween = hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
    if (!homeBetween) {
      slots_[hole] = std::move(slots_[next]);
      hashes_[hole] = hashes_[next];
      hole = next;
    }
  }
  slots_[hole].reset();
  --count_;
}

void EntryList::KeyIndex::Clear() {
  std::vector<Entry>().swap(slots_);
  std::vector<std::uint32_t>().swap(hashes_);
  count_ = 0;
}

void EntryList::KeyIndex::Grow() {
  std::vector<Entry> oldSlots = std::move(slots_);
  std::vector<std::uint32_t> oldHashes = std::move(hashes_);
  const std::size_t size = oldSlots.empty() ? 16 : oldSlots.size() * 2;
  slots_ = std::vector<Entry>(size);
  hashes_ = std::vector<std::uint32_t>(size);
  for (std::size_t old = 0; old < oldSlots.size(); ++old) {
    if (oldSlots[old] == nullptr) continue;
    std::size_t slot = Home(oldHashes[old]);
    while (slots_[slot] != nullptr) slot = Next(slot);
    slots_[slot] = std::move(oldSlots[old]);
    hashes_[slot] = oldHashes[old];
  }
}

void EntryList::Append(Entry entry, const SharedText& key) {
  entry->listedKey_ = key;
  if (!key.empty() && !keys_.Insert(entry)) {
    entry->listedKey_ = SharedText();
    throw ClassicFailure(Classic::DuplicateKey);
  }
  try {
    records_.push_back(std::move(entry));
  } catch (...) {
    if (!key.empty()) keys_.Erase(entry.get());
    throw;
  }
}

const EntryList::Entry& EntryList::At(std::int32_t position) const {
  if (position < 1 || position > Count()) throw ClassicFailure(Classic::SubscriptOutOfRange);
  return records_[static_cast<std::size_t>(position - 1)];
}

const EntryList::Entry& EntryList::Find(TextView key) const {
  const Entry& found = keys_.Find(key);
  if (found == nullptr) throw ClassicFailure(Classic::InvalidProcedureCall);
  return found;
}

void EntryList::RemoveAt(std::int32_t position) {
  if (position < 1 || position > Count()) throw ClassicFailure(Classic::SubscriptOutOfRange);
  const auto at = records_.begin() + (position - 1);
  if (!(*at)->listedKey_.empty()) keys_.Erase(at->get());
  records_.erase(at);
}

void EntryList::Remove(TextView key) {
  const File* found = keys_.Find(key).get();
  if (found == nullptr) throw ClassicFailure(Classic::InvalidProcedureCall);
  for (auto at = records_.begin(); at != records_.end(); ++at) {
    if (at->get() == found) {
      keys_.Erase(found);
      records_.erase(at);
      return;
    }
  }
}

void EntryList::Clear() {
  keys_.Clear();
  std::deque<Entry>().swap(records_);
}

std::vector<EntryList::Entry> EntryList::Snapshot() const { return std::vector<Entry>(records_.begin(), records_.end()); }

}  // namespace tarnix
