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
#include <unordered_map>
#include <vector>

#include "model/File.h"
#include "platform/Text.h"

namespace tarnix {

class EntryList {
 public:
  using Entry = std::shared_ptr<File>;

  // Appends at the end, under `key` unless it is empty. A key already present
  // in any letter case fails with 457 and leaves the list unchanged.
  void Append(Entry entry, TextView key);

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
  struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(TextView key) const { return HashIgnoringCase(key); }
  };
  struct KeyEqual {
    using is_transparent = void;
    bool operator()(TextView a, TextView b) const { return EqualIgnoringCase(a, b); }
  };
  using KeyIndex = std::unordered_map<Text, Entry, KeyHash, KeyEqual>;

  struct Record {
    Entry entry;
    const Text* key;  // the key as stored in keys_, or null for a keyless entry
  };

  void EraseRecord(std::size_t offset);

  // A deque keeps Item by position O(1) and makes removal near either end cheap.
  std::deque<Record> records_;
  KeyIndex keys_;
};

}  // namespace tarnix
