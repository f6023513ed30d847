#pragma once
// The ordered, keyed list of entries behind a Files object.
//
// Positions run from 1 in the order of appending. An entry is stored with or
// without a key; keys are unique and compare without regard to letter case.
// Entries are shared: the list holds one reference, and an entry that someone
// else holds outlives its removal and the list itself.

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "model/File.h"
#include "platform/SharedText.h"
#include "platform/Text.h"

namespace tarnix {

class EntryList {
 public:
  using Entry = std::shared_ptr<File>;

  // Appends at the end, under `key` unless it is empty. A key already present
  // in any letter case fails with 457 and leaves the list unchanged. The
  // entry keeps that key, whatever its Name becomes.
  void Append(Entry entry, const SharedText& key);

  // Position 1..Count(); outside that range fails with 9.
  const Entry& At(std::int32_t position) const;
  // A key no entry has fails with 5.
  const Entry& Find(TextView key) const;

  std::int32_t Count() const { return static_cast<std::int32_t>(records_.size()); }

  // Removing an entry moves every later one up by one position.
  void RemoveAt(std::int32_t position);
  void Remove(TextView key);
  // Same result as removing position 1 Count() times, in linear time.
  void Clear();

  // The entries in position order, for an enumerator that must not change
  // under a script that edits the list while it walks.
  std::vector<Entry> Snapshot() const;

 private:
  // The keyed entries, by the key each holds (File::listedKey_), in an
  // open-addressing table with linear probing: a reference and 32 bits of
  // the key's hash a slot, no allocation per entry. Probes compare the
  // hashes, which lie side by side, and read an entry only when they match.
  class KeyIndex {
   public:
    // The entry under `key`, or an empty reference.
    const Entry& Find(TextView key) const;
    // False, changing nothing, when the key is taken.
    bool Insert(const Entry& entry);
    void Erase(const File* entry);
    void Clear();

   private:
    std::size_t Home(std::uint32_t hash) const { return hash & (slots_.size() - 1); }
    std::size_t Next(std::size_t slot) const { return (slot + 1) & (slots_.size() - 1); }
    void Grow();

    std::vector<Entry> slots_;         // a power of two in size, or empty
    std::vector<std::uint32_t> hashes_;  // of the slots' keys
    std::size_t count_ = 0;
  };

  std::deque<Entry> records_;  // O(1) by position; removal near either end is cheap
  KeyIndex keys_;
};

}  // namespace tarnix
